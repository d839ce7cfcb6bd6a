// Calendar helpers of the monthly schedule: leap years, month lengths and whole-month steps.
#pragma once

#include <cstdint>

#include "schedule/DateTime.h"

namespace korvane {

/// True for a leap year of the Gregorian calendar; negative years count like positive ones.
bool FBOOLIsLeapYear(std::int32_t year);

/// The number of days in a month (1 to 12) of a year; throws std::out_of_range for another month.
std::int32_t FINTDaysPerMonth(std::int32_t year, std::int32_t month);

/// The date moved by count months, forward when direction is positive and backward otherwise,
/// at midnight, keeping the day of the month where the target month has it and its last day
/// otherwise. A count of 0 or less gives the date back unchanged, time of day included. Throws
/// UserError when a step leaves the years 1 to 9999.
DateTime FDTChangeMonth(std::int32_t count, std::int32_t direction, DateTime date);

}  // namespace korvane
