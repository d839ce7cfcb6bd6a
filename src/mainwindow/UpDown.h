// An up-down spinner attached to a number field: each press moves its position by the step
// within the range (no wrap-around) and writes the position into the field's text. The field's
// text is the state; the spinner reads it back before every press.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace korvane {

/// The range, step and design position of a spinner, and the width of its field in digits.
struct UpDownDesign {
    int minimum = 1;
    int maximum = 99;
    int step = 1;
    int position = 1;
    int digits = 2;
};

class UpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum CONSTANT)
    Q_PROPERTY(int maximum READ maximum CONSTANT)
    Q_PROPERTY(int step READ step CONSTANT)
    Q_PROPERTY(int position READ position WRITE setPosition)

public:
    UpDown(const UpDownDesign& design, QLineEdit* buddy, QWidget* parent = nullptr);

    int minimum() const { return design_.minimum; }
    int maximum() const { return design_.maximum; }
    int step() const { return design_.step; }
    int position() const { return position_; }
    const UpDownDesign& design() const { return design_; }

    /// Sets the position and shows it in the field, blanks padding it on the left. A value
    /// outside the range is kept and shown as given; the next press brings it into the range.
    void setPosition(int position);
    /// One press of an arrow: +1 up, -1 down. Raises changing() before the move and, when the
    /// position moved, clicked() after it.
    void press(int direction);

    /// The text a position shows as: its digits, padded on the left with blanks to the width.
    QString textFor(int position) const;

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    /// A press is about to move the spinner; the field still shows the old number.
    void changing(int direction);
    /// The spinner moved; the field shows the new number.
    void clicked(int direction);
    /// A mouse button was released over one of the arrows.
    void mouseReleased();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readBuddy();

    UpDownDesign design_;
    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int position_;
};

}  // namespace korvane
