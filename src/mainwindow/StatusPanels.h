// The main window's status bar: three sunken panels along the bottom edge. Panel 0 holds the
// hint "F1 for Help", panel 1 the next scan time, panel 2 the activity and the totals.
#pragma once

#include <QFrame>

class QLabel;

namespace korvane {

class StatusPanels : public QFrame {
    Q_OBJECT

public:
    static constexpr int kPanelCount = 3;

    explicit StatusPanels(QWidget* parent = nullptr);

    /// The text of a panel, 0 to 2; empty for any other index.
    QString panelText(int index) const;
    /// Sets the text of a panel, 0 to 2; any other index is ignored.
    void setPanelText(int index, const QString& text);
    QLabel* panel(int index) const;
    /// Puts the panels' texts back to the design: the hint in panel 0, the others empty.
    void applyDesignValues();

private:
    QLabel* panels_[kPanelCount];
};

}  // namespace korvane
