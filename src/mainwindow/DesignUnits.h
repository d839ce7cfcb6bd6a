// Converts the window's design sizes, laid out for an 8-point font 13 pixels high, to the
// desktop's font, so the window keeps its proportions at any font size and scale.
#pragma once

#include <QCheckBox>
#include <QFontMetrics>
#include <QWidget>
#include <cmath>

namespace korvane {

/// The design's line height in pixels.
inline constexpr double kDesignLineHeight = 13.0;

/// A design length in pixels, scaled to the widget's font.
inline int designPixels(const QWidget* widget, int pixels) {
    return static_cast<int>(
        std::lround(pixels * widget->fontMetrics().height() / kDesignLineHeight));
}

/// Makes a label's font bold, as the design's group captions are.
inline void makeBold(QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

/// A check box with its caption and its object name, the name the program knows it by.
inline QCheckBox* namedCheckBox(const QString& caption, const QString& name, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

}  // namespace korvane
