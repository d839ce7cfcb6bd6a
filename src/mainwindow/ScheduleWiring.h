// The schedule controls and the schedule timer: status panel 1 as the only store of the next
// scan time, the handlers that save and recompute it, and the tick that starts a timed scan,
// the automatic clean after it and the next time, with the timer off while they run.
#pragma once

#include <QObject>

#include "schedule/ScheduleTick.h"

namespace korvane {

class MainWindowController;
class SettingsAccess;

class ScheduleWiring : public QObject {
    Q_OBJECT

public:
    explicit ScheduleWiring(MainWindowController& controller);

    /// The creation's display: when [Schedule] AutoScan is set, the next scan time in panel 1.
    /// A failed computation is reported and the creation goes on.
    void startUpDisplay(SettingsAccess& settings);
    /// Connects the schedule controls and the timer.
    void connectHandlers();

    /// Saves every option, computes the next scan and shows it in panel 1; an error is
    /// reported and leaves the panel as it was. Returns whether the new time is shown.
    bool UpdateNextScanDisplay();
    /// The schedule box after a mouse release: on, the display and the timer; off, an empty
    /// panel and no timer, without saving.
    void cbScheduleMouseUp();
    /// The time picker: writes [Schedule] DayParameter alone and shows the next scan time.
    void dt1Change();
    /// One tick of the schedule timer.
    void Timer1Timer();

    const ScheduleTick& tick() const { return tick_; }

private:
    void runTimedScan();
    void afterTimedScan();
    void showNextAfterTimedScan();
    void endFailedTick();
    void setNextScanText(const std::string& text);

    MainWindowController& controller_;
    ScheduleTick tick_;
    bool timerAfterRun_ = false;  ///< the box was ticked during a run
};

}  // namespace korvane
