#include "mainwindow/RoundedButton.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace korvane {

RoundedButton::RoundedButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
    setAttribute(Qt::WA_Hover);
}

QSize RoundedButton::sizeHint() const {
    // Captions carry no access key, so the text is measured as it stands.
    const QFontMetrics metrics(font());
    const int height = std::max(metrics.height() + 8, 21);
    const int width = metrics.horizontalAdvance(text()) + height + 8;
    return {width, height};
}

void RoundedButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    // The design's rounding of 20 is a circle's diameter; a short button gets half its height.
    const qreal radius = std::min<qreal>(kCornerRounding / 2.0, frame.height() / 2.0);
    const QPalette& colours = palette();

    QColor face = colours.color(QPalette::Button);
    if (isDown()) {
        face = colours.color(QPalette::Mid);
    } else if (hovered_ && isEnabled()) {
        face = colours.color(QPalette::Light);
    }
    QPainterPath shape;
    shape.addRoundedRect(frame, radius, radius);
    painter.fillPath(shape, face);
    painter.setPen(QPen(colours.color(QPalette::Shadow), 1.0));
    painter.drawPath(shape);

    painter.setPen(
        colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint(0, 0);
    painter.drawText(rect().translated(shift), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void RoundedButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QPushButton::enterEvent(event);
}

void RoundedButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QPushButton::leaveEvent(event);
}

}  // namespace korvane
