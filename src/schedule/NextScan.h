// The next-scan computation: when the next timed scan is due, worked out from the [Schedule]
// section of the settings file.
#pragma once

#include <optional>

#include "schedule/Clock.h"
#include "schedule/DateTime.h"
#include "schedule/RegionalSettings.h"
#include "settings/SettingsAccess.h"

namespace korvane {

/// The schedule kinds stored in [Schedule] OptionChecked.
enum class ScheduleKind { Minutes = 1, Hours = 2, Days = 3, Weeks = 4, Months = 5 };

/// The moment of the next timed scan, or nothing when OptionChecked is not a schedule kind (then
/// nothing is read beyond it and nothing is written). Writes [Schedule] LastScan when it is
/// missing (or holds "Default"), and when the minute and day kinds find it unreadable. Throws
/// UserError when a stored text does not read back, or when the settings file cannot be written.
std::optional<DateTime> ComputeNextScan(SettingsAccess& settings, const RegionalSettings& regional,
                                        const Clock& clock);

}  // namespace korvane
