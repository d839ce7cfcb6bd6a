#include "mainwindow/NumberField.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

namespace korvane {
namespace {

// The field's mask: only digits, blanks only before them, and no more places than it has.
class DigitsValidator : public QValidator {
public:
    DigitsValidator(int places, QObject* parent) : QValidator(parent), places_(places) {}

    State validate(QString& input, int& /*position*/) const override {
        if (input.size() > places_) {
            return Invalid;
        }
        bool digitSeen = false;
        for (const QChar character : input) {
            if (character.isDigit() && character.unicode() < 0x80) {
                digitSeen = true;
            } else if (character != QLatin1Char(' ') || digitSeen) {
                return Invalid;
            }
        }
        return Acceptable;
    }

private:
    int places_;
};

}  // namespace

NumberField::NumberField(const QString& fieldName, const QString& spinnerName,
                         const UpDownDesign& design, const QString& designText, QWidget* parent)
    : QWidget(parent), field_(new QLineEdit(this)), designText_(designText) {
    field_->setObjectName(fieldName);
    field_->setValidator(new DigitsValidator(design.digits, field_));
    field_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    QStyleOptionFrame option;
    option.initFrom(field_);
    const int textWidth = field_->fontMetrics().horizontalAdvance(QString(design.digits + 1, '0'));
    const QSize hint = field_->style()->sizeFromContents(
        QStyle::CT_LineEdit, &option, QSize(textWidth, field_->fontMetrics().height()), field_);
    field_->setFixedWidth(hint.width());

    spinner_ = new UpDown(design, field_, this);
    spinner_->setObjectName(spinnerName);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(field_);
    layout->addWidget(spinner_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    field_->installEventFilter(this);
    applyDesignValues();
}

QString NumberField::text() const {
    return field_->text();
}

void NumberField::setText(const QString& text) {
    field_->setText(text);
}

void NumberField::applyDesignValues() {
    spinner_->setPosition(spinner_->design().position);
    field_->setText(designText_);
}

bool NumberField::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::KeyPress: {
            // The arrow keys work the spinner, also in a read-only field.
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                spinner_->press(key == Qt::Key_Up ? +1 : -1);
                return true;
            }
            break;
        }
        case QEvent::MouseButtonRelease:
            emit fieldMouseReleased();
            break;
        case QEvent::FocusOut: {
            // Leaving for another control counts; a menu or another window taking over does not.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
                emit fieldExited();
            }
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace korvane
