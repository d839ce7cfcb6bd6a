// Date-time texts: formatting a value with a pattern under the regional settings, and the texts
// the schedule shows and stores (short date, short time, minute text, full text).
//
// Pattern specifiers, letter case ignored: d dd (day), ddd dddd (day name), ddddd (the short
// date pattern), m mm (month, or minutes when the last letter before them is an h), mmm mmmm
// (month name), yy yyyy (year), h hh (hour, 1 to 12 when AMPM stands anywhere in the pattern),
// s ss (seconds), t (the short time pattern), tt (the long time pattern), AMPM (designator),
// '/' (date separator), ':' (time separator). Every other character is copied.
#pragma once

#include <string>
#include <string_view>

#include "schedule/DateTime.h"
#include "schedule/RegionalSettings.h"

namespace korvane {

std::string formatDateTime(std::string_view pattern, DateTime value,
                           const RegionalSettings& settings);

/// The value formatted with "ddddd".
std::string shortDateText(DateTime value, const RegionalSettings& settings);

/// The value formatted with "t".
std::string shortTimeText(DateTime value, const RegionalSettings& settings);

/// The value formatted with "ddddd t": the short date, a blank and the short time, no seconds.
std::string minuteText(DateTime value, const RegionalSettings& settings);

/// The short date text, followed by a blank and the long time when the time of day is not
/// 00:00:00; it keeps the seconds.
std::string fullText(DateTime value, const RegionalSettings& settings);

}  // namespace korvane
