#include "mainwindow/SchedulePage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "mainwindow/DesignUnits.h"
#include "mainwindow/NumberField.h"

namespace korvane {
namespace {

QLabel* label(const QString& caption, const QString& name, QWidget* parent) {
    auto* text = new QLabel(caption, parent);
    text->setObjectName(name);
    return text;
}

// The rest of a schedule row after its number field, kept together at the left.
QHBoxLayout* rowTail(std::initializer_list<QWidget*> widgets) {
    auto* tail = new QHBoxLayout;
    tail->setSpacing(4);
    for (QWidget* widget : widgets) {
        tail->addWidget(widget);
    }
    tail->addStretch(1);
    return tail;
}

// The locale's short time format; some locales give seconds there, which the picker leaves out.
QString shortTimeFormat() {
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[:.]ss?")));
    return format;
}

}  // namespace

SchedulePage::SchedulePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet4"));

    cbSchedule_ = namedCheckBox(tr("&Have Korvane scan your drives automatically..."),
                                QStringLiteral("cbSchedule"), this);
    chkClean_ = namedCheckBox(tr("&Automatically clean all found files after each timed scan"),
                              QStringLiteral("chkClean"), this);
    cbOnlyScan_ = namedCheckBox(tr("&Only scan if drive space is less than"),
                                QStringLiteral("cbOnlyScan"), this);
    megs_ =
        new NumberField(QStringLiteral("meMegs"), QStringLiteral("UpDown2"),
                        {.minimum = 1, .maximum = 999, .step = 10, .position = 100, .digits = 4},
                        QStringLiteral(" 100"), this);
    megs_->field()->setReadOnly(true);
    label4_ = label(tr("megabytes"), QStringLiteral("Label4"), this);

    auto* spaceRow = new QHBoxLayout;
    spaceRow->addSpacing(designPixels(this, 13));
    spaceRow->addWidget(cbOnlyScan_);
    spaceRow->addWidget(megs_);
    spaceRow->addWidget(label4_);
    spaceRow->addStretch(1);

    gbSchedOpts_ = new QGroupBox(tr("Select a schedule"), this);
    gbSchedOpts_->setObjectName(QStringLiteral("gbSchedOpts"));
    auto* rows = buildScheduleRows();
    auto* groupLayout = new QVBoxLayout(gbSchedOpts_);
    groupLayout->addWidget(rows);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cbSchedule_);
    layout->addWidget(chkClean_);
    layout->addLayout(spaceRow);
    layout->addWidget(gbSchedOpts_);
    layout->addStretch(1);

    applyDesignValues();
}

QWidget* SchedulePage::buildScheduleRows() {
    auto* rows = new QWidget(gbSchedOpts_);
    scheduleGroup_ = new QButtonGroup(this);
    scheduleGroup_->setObjectName(QStringLiteral("scheduleGroup"));
    const struct {
        Kind kind;
        const char* name;
        QString caption;
    } buttons[] = {
        {Minutes, "optMinutes", tr("&Every...")}, {Hours, "optHours", tr("Every...")},
        {Days, "optDays", tr("Every...")},        {Weeks, "optWeeks", tr("Every...")},
        {Months, "optMonths", tr("Every...")},
    };
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(designPixels(this, 6));
    for (const auto& button : buttons) {
        auto* radio = new QRadioButton(button.caption, rows);
        radio->setObjectName(QString::fromLatin1(button.name));
        scheduleGroup_->addButton(radio, button.kind);
        grid->addWidget(radio, button.kind - 1, 0);
    }

    const auto field = [rows](const char* fieldName, const char* spinnerName, UpDownDesign design,
                              const char* text) {
        return new NumberField(QString::fromLatin1(fieldName), QString::fromLatin1(spinnerName),
                               design, QString::fromLatin1(text), rows);
    };
    minutes_ = field("meMins", "udMinutes", {1, 59, 1, 30, 2}, "30");
    hours_ = field("meHours", "udHours", {1, 99, 1, 5, 2}, " 5");
    minsAfter_ = field("meMinsAfter", "udMinsAfter", {1, 59, 5, 30, 2}, "30");
    days_ = field("meDays", "udDays", {1, 99, 1, 5, 2}, " 5");
    weeks_ = field("meWeeks", "udWeeks", {1, 99, 1, 1, 2}, " 1");
    months_ = field("meMonths", "udMonths", {1, 99, 1, 1, 2}, " 1");
    dayOfTheMonth_ = field("meDayOfTheMonth", "udDayofthemonth", {1, 31, 1, 1, 2}, " 1");

    dt1_ = new QTimeEdit(rows);
    dt1_->setObjectName(QStringLiteral("dt1"));
    dt1_->setDisplayFormat(shortTimeFormat());

    cbDays_ = new QComboBox(rows);
    cbDays_->setObjectName(QStringLiteral("cbDays"));
    cbDays_->setEditable(false);
    cbDays_->addItems({tr("Sunday"), tr("Monday"), tr("Tuesday"), tr("Wednesday"), tr("Thursday"),
                       tr("Friday"), tr("Saturday")});

    NumberField* const intervals[] = {minutes_, hours_, days_, weeks_, months_};
    for (int row = 0; row < 5; ++row) {
        grid->addWidget(intervals[row], row, 1);
    }
    grid->addLayout(rowTail({label(tr("Minutes"), QStringLiteral("lblMindesc"), rows)}), 0, 2);
    grid->addLayout(rowTail({label(tr("Hours at"), QStringLiteral("Label5"), rows), minsAfter_,
                             label(tr("minutes after the hour"), QStringLiteral("Label9"), rows)}),
                    1, 2);
    grid->addLayout(
        rowTail({label(tr("Days at the following time:"), QStringLiteral("Label6"), rows), dt1_}),
        2, 2);
    grid->addLayout(
        rowTail({label(tr("Weeks starting on "), QStringLiteral("Label7"), rows), cbDays_}), 3, 2);
    grid->addLayout(
        rowTail({label(tr("Months starting on day"), QStringLiteral("Label8"), rows),
                 dayOfTheMonth_, label(tr("of the month"), QStringLiteral("Label10"), rows)}),
        4, 2);
    grid->setColumnStretch(2, 1);
    return rows;
}

QLineEdit* SchedulePage::meMegs() const {
    return megs_->field();
}
UpDown* SchedulePage::UpDown2() const {
    return megs_->spinner();
}
QLineEdit* SchedulePage::meMins() const {
    return minutes_->field();
}
UpDown* SchedulePage::udMinutes() const {
    return minutes_->spinner();
}
QLineEdit* SchedulePage::meHours() const {
    return hours_->field();
}
UpDown* SchedulePage::udHours() const {
    return hours_->spinner();
}
QLineEdit* SchedulePage::meMinsAfter() const {
    return minsAfter_->field();
}
UpDown* SchedulePage::udMinsAfter() const {
    return minsAfter_->spinner();
}
QLineEdit* SchedulePage::meDays() const {
    return days_->field();
}
UpDown* SchedulePage::udDays() const {
    return days_->spinner();
}
QLineEdit* SchedulePage::meWeeks() const {
    return weeks_->field();
}
UpDown* SchedulePage::udWeeks() const {
    return weeks_->spinner();
}
QLineEdit* SchedulePage::meMonths() const {
    return months_->field();
}
UpDown* SchedulePage::udMonths() const {
    return months_->spinner();
}
QLineEdit* SchedulePage::meDayOfTheMonth() const {
    return dayOfTheMonth_->field();
}
UpDown* SchedulePage::udDayofthemonth() const {
    return dayOfTheMonth_->spinner();
}

QRadioButton* SchedulePage::kindButton(Kind kind) const {
    return static_cast<QRadioButton*>(scheduleGroup_->button(kind));
}

SchedulePage::Kind SchedulePage::kind() const {
    const int id = scheduleGroup_->checkedId();
    return id == -1 ? NoKind : static_cast<Kind>(id);
}

void SchedulePage::selectKind(int kind) {
    if (QAbstractButton* button = scheduleGroup_->button(kind)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; it is opened briefly to clear them all.
    scheduleGroup_->setExclusive(false);
    for (QAbstractButton* button : scheduleGroup_->buttons()) {
        button->setChecked(false);
    }
    scheduleGroup_->setExclusive(true);
}

void SchedulePage::applyDesignValues() {
    cbSchedule_->setChecked(true);
    chkClean_->setChecked(true);
    cbOnlyScan_->setChecked(false);
    selectKind(NoKind);
    for (NumberField* number :
         {megs_, minutes_, hours_, minsAfter_, days_, weeks_, months_, dayOfTheMonth_}) {
        number->applyDesignValues();
    }
    dt1_->setTime(QTime(0, 0));
    cbDays_->setCurrentIndex(-1);
}

}  // namespace korvane
