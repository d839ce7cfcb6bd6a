#include "mainwindow/WindowOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <cmath>

#include "mainwindow/MainWindow.h"
#include "mainwindow/OptionsPage.h"
#include "mainwindow/ScanForPage.h"
#include "mainwindow/SchedulePage.h"
#include "mainwindow/UpDown.h"
#include "settings/OptionsLists.h"
#include "settings/WholeNumber.h"

namespace korvane {
namespace {

constexpr double kMillisecondsPerDayF = 86'400'000.0;

struct IntervalControls {
    QLineEdit* field;
    UpDown* spinner;
};

IntervalControls intervalControls(const SchedulePage& page, IntervalKey key) {
    switch (key) {
        case IntervalKey::MinuteInterval:
            return {page.meMins(), page.udMinutes()};
        case IntervalKey::HourInterval:
            return {page.meHours(), page.udHours()};
        case IntervalKey::DayInterval:
            return {page.meDays(), page.udDays()};
        case IntervalKey::WeekInterval:
            return {page.meWeeks(), page.udWeeks()};
        case IntervalKey::MonthInterval:
            return {page.meMonths(), page.udMonths()};
        case IntervalKey::HourParameter:
            return {page.meMinsAfter(), page.udMinsAfter()};
    }
    return {page.meMins(), page.udMinutes()};
}

double timeOfDay(const QTime& time) {
    return time.msecsSinceStartOfDay() / kMillisecondsPerDayF;
}

QTime timeFromFraction(double fraction) {
    const auto milliseconds = static_cast<int>(std::llround(fraction * kMillisecondsPerDayF));
    return QTime::fromMSecsSinceStartOfDay(milliseconds % static_cast<int>(kMillisecondsPerDayF));
}

}  // namespace

Options optionsFromWindow(const MainWindow& window) {
    const OptionsPage& options = *window.optionsPage();
    const ScanForPage& scanFor = *window.scanForPage();
    const SchedulePage& schedule = *window.schedulePage();
    Options result;

    result.autoErase = schedule.chkClean()->isChecked();
    for (int row = 0; row < options.clbDrives()->count(); ++row) {
        if (options.clbDrives()->item(row)->checkState() == Qt::Checked)
            result.tickedDrives.push_back(row);
    }
    result.deleteOption = options.disposal();
    for (int row = 0; row < scanFor.lvScan()->count(); ++row) {
        const QListWidgetItem* item = scanFor.lvScan()->item(row);
        result.patterns.push_back({item->text().toStdString(), item->checkState() == Qt::Checked});
    }
    result.specialFolders = {scanFor.cbTempFolder()->isChecked(),
                             scanFor.cbCacheFolder()->isChecked(),
                             scanFor.cbCookieFolder()->isChecked()};
    result.autoScan = schedule.cbSchedule()->isChecked();
    result.checkHDSpace = schedule.cbOnlyScan()->isChecked();
    result.spaceToCheck = schedule.meMegs()->text().toStdString();
    result.optionChecked = schedule.kind();
    for (std::size_t i = 0; i < kIntervalKeyCount; ++i) {
        const auto key = static_cast<IntervalKey>(i);
        result.interval(key) = intervalControls(schedule, key).field->text().toStdString();
    }
    result.dayParameter = timeOfDay(schedule.dt1()->time());
    result.weekParameter = schedule.cbDays()->currentIndex() + 1;
    result.monthParameter = schedule.meDayOfTheMonth()->text().toStdString();
    return result;
}

void applyLoadedOptions(MainWindow& window, const LoadedOptions& loaded) {
    OptionsPage& optionsPage = *window.optionsPage();
    ScanForPage& scanFor = *window.scanForPage();
    SchedulePage& schedule = *window.schedulePage();
    const Options& options = loaded.options;
    // Putting a value into a control is not the user's change: no handler may run.
    const QSignalBlocker blockTime(schedule.dt1());
    const QSignalBlocker blockDays(schedule.cbDays());

    schedule.chkClean()->setChecked(options.autoErase);
    if (loaded.drivesLoaded) {
        for (const int position : options.tickedDrives) {
            if (QListWidgetItem* row = optionsPage.clbDrives()->item(position))
                row->setCheckState(Qt::Checked);
        }
    }
    optionsPage.selectDisposal(options.deleteOption);
    for (const PatternOption& pattern : options.patterns)
        scanFor.addPattern(QString::fromStdString(pattern.pattern), pattern.ticked);
    scanFor.cbTempFolder()->setChecked(options.specialFolders[0]);
    scanFor.cbCacheFolder()->setChecked(options.specialFolders[1]);
    scanFor.cbCookieFolder()->setChecked(options.specialFolders[2]);
    schedule.cbSchedule()->setChecked(options.autoScan);
    schedule.cbOnlyScan()->setChecked(options.checkHDSpace);
    if (const auto megabytes = parseWholeNumber(options.spaceToCheck))
        schedule.UpDown2()->setPosition(*megabytes);
    schedule.selectKind(options.optionChecked);
    for (std::size_t i = 0; i < kIntervalKeyCount; ++i) {
        const auto key = static_cast<IntervalKey>(i);
        if (!loaded.intervalLoaded(key))
            continue;
        const IntervalControls controls = intervalControls(schedule, key);
        const std::string& text = options.interval(key);
        if (const auto position = parseWholeNumber(trimBlanks(text)))
            controls.spinner->setPosition(*position);
        controls.field->setText(QString::fromStdString(text));
    }
    if (loaded.dayParameterLoaded)
        schedule.dt1()->setTime(timeFromFraction(options.dayParameter));
    const int weekday = options.weekParameter;
    schedule.cbDays()->setCurrentIndex(weekday >= 1 && weekday <= 7 ? weekday - 1 : -1);
    schedule.meDayOfTheMonth()->setText(QString::fromStdString(options.monthParameter));
}

ScanChoices scanChoicesFromWindow(const MainWindow& window, const SettingsAccess& settings,
                                  bool timed) {
    const OptionsPage& optionsPage = *window.optionsPage();
    const ScanForPage& scanFor = *window.scanForPage();
    const SchedulePage& schedule = *window.schedulePage();
    ScanChoices choices;
    for (int row = 0; row < optionsPage.clbDrives()->count(); ++row) {
        const QListWidgetItem* item = optionsPage.clbDrives()->item(row);
        choices.drives.push_back({item->text().toStdString(), item->checkState() == Qt::Checked});
    }
    for (int row = 0; row < scanFor.lvScan()->count(); ++row) {
        const QListWidgetItem* item = scanFor.lvScan()->item(row);
        choices.patterns.push_back({item->text().toStdString(), item->checkState() == Qt::Checked});
    }
    choices.specialFolders = {scanFor.cbTempFolder()->isChecked(),
                              scanFor.cbCacheFolder()->isChecked(),
                              scanFor.cbCookieFolder()->isChecked()};
    const char* const keys[] = {"Temp", "Temporary Internet", "Cookies"};
    for (std::size_t i = 0; i < choices.locations.size(); ++i)
        choices.locations[i] = settings.readText("Locations", keys[i], kDefaultLocation);
    choices.timed = timed;
    choices.onlyScanLowSpace = schedule.cbOnlyScan()->isChecked();
    choices.thresholdText = schedule.meMegs()->text().toStdString();
    const int disposal = optionsPage.disposal();
    choices.imageIndex = disposal >= 1 ? disposal - 1 : 0;
    return choices;
}

}  // namespace korvane
