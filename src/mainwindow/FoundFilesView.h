// The found-files list's view: a flat, multi-selection, read-only table that tells its page
// about every mouse press and click in it, on a row or not.
#pragma once

#include <QTreeView>

namespace korvane {

class FoundFilesView : public QTreeView {
    Q_OBJECT

public:
    explicit FoundFilesView(QWidget* parent = nullptr);

signals:
    /// A mouse button went down in the list, before the list reacts (and before its menu).
    void mousePressed(Qt::MouseButton button);
    /// A click in the list: the left button was released where it went down.
    void mouseClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool leftPressed_ = false;
};

}  // namespace korvane
