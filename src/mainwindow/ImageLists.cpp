#include "mainwindow/ImageLists.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace korvane {
namespace {

// Every picture is drawn on a 16 x 16 grid and scaled, so each size stays sharp.
using Drawing = std::function<void(QPainter&)>;

QIcon drawnIcon(const Drawing& draw) {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen outline(const QColor& color, qreal width = 1.0) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawMagnifier(QPainter& p) {
    p.setPen(outline(QColor(60, 40, 20), 2.6));
    p.drawLine(QPointF(10.0, 10.0), QPointF(14.5, 14.5));
    p.setPen(outline(QColor(40, 40, 60), 1.6));
    p.setBrush(QColor(170, 215, 250));
    p.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
    p.setPen(outline(QColor(255, 255, 255), 1.0));
    p.drawArc(QRectF(3.4, 3.4, 4.6, 4.6), 90 * 16, 90 * 16);
}

void drawHardDisk(QPainter& p) {
    p.setPen(outline(QColor(50, 50, 50)));
    p.setBrush(QColor(200, 200, 205));
    p.drawRoundedRect(QRectF(1.5, 5.0, 13.0, 7.0), 1.5, 1.5);
    p.setBrush(QColor(150, 150, 160));
    p.drawRect(QRectF(1.5, 9.5, 13.0, 2.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 200, 60));
    p.drawEllipse(QPointF(12.0, 10.75), 0.9, 0.9);
}

void drawWasteBin(QPainter& p) {
    p.setPen(outline(QColor(50, 50, 50)));
    p.setBrush(QColor(190, 190, 190));
    QPainterPath body;
    body.moveTo(3.5, 4.5);
    body.lineTo(12.5, 4.5);
    body.lineTo(11.5, 14.5);
    body.lineTo(4.5, 14.5);
    body.closeSubpath();
    p.drawPath(body);
    p.drawLine(QPointF(2.0, 3.5), QPointF(14.0, 3.5));
    p.drawRect(QRectF(6.5, 1.5, 3.0, 2.0));
    p.drawLine(QPointF(6.5, 6.5), QPointF(6.8, 12.5));
    p.drawLine(QPointF(9.5, 6.5), QPointF(9.2, 12.5));
}

void drawRecycleBin(QPainter& p) {
    drawWasteBin(p);
    // Three chasing arrows on the bin's body.
    p.setPen(outline(QColor(20, 140, 40), 1.2));
    p.setBrush(Qt::NoBrush);
    const QRectF circle(5.2, 6.8, 5.6, 5.6);
    for (int i = 0; i < 3; ++i) {
        p.drawArc(circle, (i * 120 + 20) * 16, 80 * 16);
    }
}

void drawFolderArrow(QPainter& p) {
    p.setPen(outline(QColor(120, 90, 20)));
    p.setBrush(QColor(240, 200, 80));
    QPainterPath folder;
    folder.moveTo(1.5, 4.0);
    folder.lineTo(6.0, 4.0);
    folder.lineTo(7.5, 5.5);
    folder.lineTo(14.5, 5.5);
    folder.lineTo(14.5, 13.5);
    folder.lineTo(1.5, 13.5);
    folder.closeSubpath();
    p.drawPath(folder);
    p.setPen(outline(QColor(20, 80, 180), 1.6));
    p.drawLine(QPointF(4.5, 9.5), QPointF(11.0, 9.5));
    p.drawLine(QPointF(8.5, 7.3), QPointF(11.0, 9.5));
    p.drawLine(QPointF(8.5, 11.7), QPointF(11.0, 9.5));
}

}  // namespace

QIcon ImageLists::applicationIcon() {
    return drawnIcon(drawMagnifier);
}

QList<QIcon> ImageLists::imageList1() {
    return {drawnIcon(drawHardDisk)};
}

QList<QIcon> ImageLists::imageList2() {
    return {applicationIcon()};
}

QList<QIcon> ImageLists::imageList3() {
    return {drawnIcon(drawWasteBin), drawnIcon(drawRecycleBin), drawnIcon(drawFolderArrow)};
}

}  // namespace korvane
