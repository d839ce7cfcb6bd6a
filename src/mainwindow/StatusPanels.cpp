#include "mainwindow/StatusPanels.h"

#include <QHBoxLayout>
#include <QLabel>

#include "mainwindow/DesignUnits.h"

namespace korvane {

StatusPanels::StatusPanels(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("stat1"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);
    // Panels 0 and 1 keep their design widths at the desktop's font; panel 2 takes the rest.
    const int designWidths[kPanelCount] = {59, 175, 0};
    for (int index = 0; index < kPanelCount; ++index) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("panel%1").arg(index));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
        panel->setTextFormat(Qt::PlainText);
        if (designWidths[index] > 0) {
            // Wide enough for the hint and for the longest next-scan text at this font.
            const QString widest = index == 0 ? tr("F1 for Help")
                                              : QStringLiteral("Next Scan: 00/00/0000 00:00:00 PM");
            const int width = std::max(designPixels(this, designWidths[index]),
                                       panel->fontMetrics().horizontalAdvance(widest) + 10);
            panel->setFixedWidth(width);
        } else {
            panel->setMinimumWidth(designPixels(this, 50));
        }
        layout->addWidget(panel, designWidths[index] > 0 ? 0 : 1);
        panels_[index] = panel;
    }
    applyDesignValues();
}

QLabel* StatusPanels::panel(int index) const {
    return index >= 0 && index < kPanelCount ? panels_[index] : nullptr;
}

QString StatusPanels::panelText(int index) const {
    const QLabel* label = panel(index);
    return label ? label->text() : QString();
}

void StatusPanels::setPanelText(int index, const QString& text) {
    if (QLabel* label = panel(index)) {
        label->setText(text);
    }
}

void StatusPanels::applyDesignValues() {
    setPanelText(0, tr("F1 for Help"));
    setPanelText(1, QString());
    setPanelText(2, QString());
}

}  // namespace korvane
