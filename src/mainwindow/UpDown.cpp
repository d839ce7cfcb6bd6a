#include "mainwindow/UpDown.h"

#include <QEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace korvane {
namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(16);
    return button;
}

}  // namespace

UpDown::UpDown(const UpDownDesign& design, QLineEdit* buddy, QWidget* parent)
    : QWidget(parent), design_(design), buddy_(buddy), position_(design.position) {
    up_ = arrowButton(Qt::UpArrow, QStringLiteral("up"), this);
    down_ = arrowButton(Qt::DownArrow, QStringLiteral("down"), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    connect(up_, &QToolButton::clicked, this, [this] { press(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { press(-1); });
    up_->installEventFilter(this);
    down_->installEventFilter(this);
}

QString UpDown::textFor(int position) const {
    return QString::number(position).rightJustified(design_.digits, QLatin1Char(' '));
}

void UpDown::setPosition(int position) {
    position_ = position;
    buddy_->setText(textFor(position));
}

void UpDown::readBuddy() {
    // A number typed into the field counts as the position, as the field is the state.
    bool isNumber = false;
    const int typed = buddy_->text().trimmed().toInt(&isNumber);
    if (isNumber) {
        position_ = typed;
    }
}

void UpDown::press(int direction) {
    readBuddy();
    emit changing(direction);
    const long long wanted = static_cast<long long>(position_) + direction * design_.step;
    const int moved =
        static_cast<int>(std::clamp<long long>(wanted, design_.minimum, design_.maximum));
    if (moved == position_) {
        return;
    }
    setPosition(moved);
    emit clicked(direction);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == up_ || watched == down_) && event->type() == QEvent::MouseButtonRelease) {
        // Announced after the button has handled the release, so the move comes first.
        QMetaObject::invokeMethod(this, &UpDown::mouseReleased, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace korvane
