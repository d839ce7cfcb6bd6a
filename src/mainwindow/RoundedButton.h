// The rounded push button of the main window's command rows: drawn by the window with rounded
// corners, worked with the mouse only (it never takes the keyboard focus).
#pragma once

#include <QPushButton>

namespace korvane {

class RoundedButton : public QPushButton {
    Q_OBJECT

public:
    /// The corner rounding of the design, as the diameter of the corner's circle.
    static constexpr int kCornerRounding = 20;

    explicit RoundedButton(const QString& caption, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool hovered_ = false;
};

}  // namespace korvane
