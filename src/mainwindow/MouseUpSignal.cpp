#include "mainwindow/MouseUpSignal.h"

#include <QMouseEvent>
#include <QWidget>

namespace korvane {

MouseUpSignal::MouseUpSignal(QWidget* control) : QObject(control) {
    setObjectName(QStringLiteral("mouseUpSignal"));
    control->installEventFilter(this);
}

MouseUpSignal* MouseUpSignal::of(QWidget* control) {
    if (auto* existing =
            control->findChild<MouseUpSignal*>(QString(), Qt::FindDirectChildrenOnly)) {
        return existing;
    }
    return new MouseUpSignal(control);
}

bool MouseUpSignal::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        // The control handles the release after this filter; the signal comes after that.
        QMetaObject::invokeMethod(
            this, [this, button] { emit released(button); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace korvane
