#include "mainwindow/ScheduleWiring.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTimer>

#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowController.h"
#include "mainwindow/MouseUpSignal.h"
#include "mainwindow/SchedulePage.h"
#include "mainwindow/StatusPanels.h"
#include "mainwindow/UpDown.h"
#include "schedule/DateTimeFormat.h"
#include "settings/SettingsAccess.h"
#include "settings/UserError.h"

namespace korvane {
namespace {

constexpr int kNextScanPanel = 1;

}  // namespace

ScheduleWiring::ScheduleWiring(MainWindowController& controller) : controller_(controller) {}

void ScheduleWiring::setNextScanText(const std::string& text) {
    controller_.window().stat1()->setPanelText(kNextScanPanel, QString::fromStdString(text));
}

void ScheduleWiring::startUpDisplay(SettingsAccess& settings) {
    if (!settings.readFlag("Schedule", "AutoScan", true))
        return;
    try {
        setNextScanText(computeNextScanText(settings, controller_.regional(), controller_.clock()));
    } catch (const UserError& error) {
        // Reported here; the ticks rest until the user changes the schedule.
        tick_.fail();
        controller_.reportError(QString::fromStdString(error.what()));
    }
}

void ScheduleWiring::connectHandlers() {
    MainWindow& window = controller_.window();
    SchedulePage& page = *window.schedulePage();
    const auto update = [this] { UpdateNextScanDisplay(); };

    for (QRadioButton* kind :
         {page.optMinutes(), page.optHours(), page.optDays(), page.optWeeks(), page.optMonths()}) {
        connect(MouseUpSignal::of(kind), &MouseUpSignal::released, this, update);
    }
    // Also selected with the keyboard: every change from unselected to selected by the user.
    connect(page.optMonths(), &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked)
            UpdateNextScanDisplay();
    });
    connect(page.udMinutes(), &UpDown::clicked, this, update);
    for (UpDown* spinner : {page.udHours(), page.udDays(), page.udWeeks(), page.udMonths(),
                            page.udMinsAfter(), page.udDayofthemonth()}) {
        connect(spinner, &UpDown::changing, this, update);
        connect(spinner, &UpDown::clicked, this, update);
    }
    connect(page.cbDays(), &QComboBox::currentIndexChanged, this, update);
    connect(MouseUpSignal::of(page.cbSchedule()), &MouseUpSignal::released, this,
            &ScheduleWiring::cbScheduleMouseUp);
    connect(page.dt1(), &QTimeEdit::timeChanged, this, &ScheduleWiring::dt1Change);
    connect(MouseUpSignal::of(page.dt1()), &MouseUpSignal::released, this,
            &ScheduleWiring::dt1Change);
    connect(window.Timer1(), &QTimer::timeout, this, &ScheduleWiring::Timer1Timer);
    connect(&controller_, &MainWindowController::runFinished, this, [this] {
        if (timerAfterRun_ && !controller_.busy()) {
            timerAfterRun_ = false;
            controller_.window().Timer1()->start();
        }
    });
}

bool ScheduleWiring::UpdateNextScanDisplay() {
    bool shown = false;
    controller_.guarded([this, &shown] {
        controller_.saveSettings();
        SettingsAccess settings = controller_.settings();
        setNextScanText(computeNextScanText(settings, controller_.regional(), controller_.clock()));
        tick_.resume();
        shown = true;
    });
    return shown;
}

void ScheduleWiring::cbScheduleMouseUp() {
    MainWindow& window = controller_.window();
    timerAfterRun_ = false;
    if (window.schedulePage()->cbSchedule()->isChecked()) {
        if (!UpdateNextScanDisplay())
            return;
        // The timer stays off while a run lasts; it starts once the run is over.
        if (controller_.busy()) {
            timerAfterRun_ = true;
        } else {
            window.Timer1()->start();
        }
    } else {
        setNextScanText({});
        window.Timer1()->stop();
    }
}

void ScheduleWiring::dt1Change() {
    const QTime time = controller_.window().schedulePage()->dt1()->time();
    controller_.guarded([this, time] {
        SettingsAccess settings = controller_.settings();
        const DateTime value(time.msecsSinceStartOfDay() / 86'400'000.0);
        settings.writeText("Schedule", "DayParameter",
                           shortTimeText(value, controller_.regional()));
        setNextScanText(computeNextScanText(settings, controller_.regional(), controller_.clock()));
        tick_.resume();
    });
}

void ScheduleWiring::Timer1Timer() {
    // A run in progress holds the list; the tick waits for the next period.
    if (controller_.busy())
        return;
    MainWindow& window = controller_.window();
    const ScheduleTick::Decision decision =
        tick_.check(window.schedulePage()->cbSchedule()->isChecked(),
                    window.stat1()->panelText(kNextScanPanel).toStdString(), controller_.regional(),
                    controller_.clock());
    switch (decision.step) {
        case ScheduleTick::Step::Idle:
        case ScheduleTick::Step::NotDue:
            return;
        case ScheduleTick::Step::Failed:
            controller_.reportError(QString::fromStdString(decision.error));
            return;
        case ScheduleTick::Step::Due:
            runTimedScan();
            return;
    }
}

void ScheduleWiring::runTimedScan() {
    MainWindow& window = controller_.window();
    window.Timer1()->stop();
    try {
        SettingsAccess settings = controller_.settings();
        recordTimedScan(settings, controller_.regional(), controller_.clock());
    } catch (const UserError& error) {
        window.Timer1()->start();
        if (tick_.fail())
            controller_.reportError(QString::fromStdString(error.what()));
        return;
    }
    controller_.startScan(true, [this] { afterTimedScan(); });
}

void ScheduleWiring::afterTimedScan() {
    if (controller_.lastRunFailed()) {
        endFailedTick();
    } else if (controller_.window().schedulePage()->chkClean()->isChecked()) {
        controller_.startCleanAll([this] { showNextAfterTimedScan(); });
    } else {
        showNextAfterTimedScan();
    }
}

void ScheduleWiring::endFailedTick() {
    // Already reported; the ticks rest until the user changes the schedule.
    tick_.fail();
    controller_.window().Timer1()->start();
}

void ScheduleWiring::showNextAfterTimedScan() {
    if (controller_.lastRunFailed()) {
        endFailedTick();
        return;
    }
    try {
        SettingsAccess settings = controller_.settings();
        setNextScanText(computeNextScanText(settings, controller_.regional(), controller_.clock()));
    } catch (const UserError& error) {
        // The old, due time stays shown: the ticks rest so it does not start scan after scan.
        if (tick_.fail())
            controller_.reportError(QString::fromStdString(error.what()));
    }
    controller_.window().Timer1()->start();
}

}  // namespace korvane
