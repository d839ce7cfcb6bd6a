// Reading date-time texts back into values under the regional settings.
//
// A date is two or three numbers joined by the date separator, in the order of the short date
// pattern; with two numbers the year is the current one, and a year written with one or two
// digits is the year nearest the current one with those last digits (from 50 years before it to
// 49 after). A time is an optional designator, the hour, optionally the time separator and the
// minutes, optionally the time separator and the seconds, and an optional designator after it;
// a designator is either regional designator or "AM"/"PM", letter case ignored. Blanks may stand
// in front of every number, separator and designator. Errors are UserError.
#pragma once

#include <string_view>

#include "schedule/DateTime.h"
#include "schedule/RegionalSettings.h"

namespace korvane {

/// A date and, if the text goes on, a time; whatever follows a complete time is ignored.
/// Fails with "'<text>' is not a valid date and time".
DateTime readDateTime(std::string_view text, const RegionalSettings& settings, int currentYear);

/// A date with nothing but blanks after it; fails with "'<text>' is not a valid date".
DateTime readDate(std::string_view text, const RegionalSettings& settings, int currentYear);

/// A time of day with nothing but blanks after it, as a fraction of a day; fails with
/// "'<text>' is not a valid time".
DateTime readTime(std::string_view text, const RegionalSettings& settings);

/// The full year a one- or two-digit year stands for, seen from the current year.
int expandTwoDigitYear(int twoDigitYear, int currentYear);

}  // namespace korvane
