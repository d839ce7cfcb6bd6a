// The schedule timer's logic without the timer: the next-scan text of status panel 1, whether
// the time it shows has come, the record of a timed scan, and what a failed tick does.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "schedule/Clock.h"
#include "schedule/DateTime.h"
#include "schedule/RegionalSettings.h"
#include "settings/SettingsAccess.h"

namespace korvane {

/// The panel text's prefix.
inline constexpr std::string_view kNextScanPrefix = "Next Scan: ";

/// "Next Scan: " followed by the full text of the moment; empty for no moment.
std::string nextScanText(std::optional<DateTime> next, const RegionalSettings& regional);

/// ComputeNextScan shown as a panel text; throws UserError as ComputeNextScan does.
std::string computeNextScanText(SettingsAccess& settings, const RegionalSettings& regional,
                                const Clock& clock);

/// The minute a panel text names: the text after its first ": " (the whole text when it has
/// none) read as a date-time and cut to the minute. Throws UserError
/// "'<text>' is not a valid date and time".
DateTime nextScanMinute(std::string_view panelText, const RegionalSettings& regional,
                        int currentYear);

/// Writes [Schedule] LastScan as the minute text of the present moment.
void recordTimedScan(SettingsAccess& settings, const RegionalSettings& regional,
                     const Clock& clock);

/// Decides each tick of the schedule timer. A tick that cannot read the panel, or a next-scan
/// computation after a timed scan that fails, is reported once; then the ticks rest until the
/// user changes the schedule (resume), so no error box comes every ten seconds and an old, due
/// time never starts scan after scan.
class ScheduleTick {
public:
    enum class Step {
        Idle,    ///< the schedule is off, or the ticks rest after a failure: do nothing
        NotDue,  ///< the shown minute has not come
        Due,     ///< run the timed scan now
        Failed,  ///< report `error` once; the ticks rest from now on
    };
    struct Decision {
        Step step = Step::Idle;
        std::string error;
    };

    /// The decision of one tick: due when the present minute is not earlier than the shown one.
    Decision check(bool scheduleOn, std::string_view panelText, const RegionalSettings& regional,
                   const Clock& clock);

    /// A failure after a timed scan: the ticks rest from now on. Returns whether to report it
    /// (false when they already rested).
    bool fail();

    /// The user changed the schedule and a new time is shown: the ticks read the panel again.
    void resume() { resting_ = false; }

    bool resting() const { return resting_; }

private:
    bool resting_ = false;
};

}  // namespace korvane
