// Tells when a mouse button was released over a control, after the control has taken the
// click (so a check box is already ticked). Keyboard changes do not raise it.
#pragma once

#include <QObject>

class QWidget;

namespace korvane {

class MouseUpSignal : public QObject {
    Q_OBJECT

public:
    /// The watcher of `control`, created on first use and owned by the control.
    static MouseUpSignal* of(QWidget* control);

signals:
    void released(Qt::MouseButton button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit MouseUpSignal(QWidget* control);
};

}  // namespace korvane
