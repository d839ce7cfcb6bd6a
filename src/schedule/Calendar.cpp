// Calendar helpers of the monthly schedule.
#include "schedule/Calendar.h"

#include <array>
#include <stdexcept>
#include <string>

namespace korvane {
namespace {

constexpr std::array<std::int32_t, 12> kDaysPerMonth = {31, 28, 31, 30, 31, 30,
                                                        31, 31, 30, 31, 30, 31};

}  // namespace

bool FBOOLIsLeapYear(std::int32_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

std::int32_t FINTDaysPerMonth(std::int32_t year, std::int32_t month) {
    if (month < 1 || month > 12) {
        throw std::out_of_range("month " + std::to_string(month) + " is not 1 to 12");
    }
    const std::int32_t days = kDaysPerMonth[static_cast<std::size_t>(month - 1)];
    return (month == 2 && FBOOLIsLeapYear(year)) ? days + 1 : days;
}

DateTime FDTChangeMonth(std::int32_t count, std::int32_t direction, DateTime date) {
    const int wantedDay = date.fields().day;
    if (count <= 0) {
        return date;
    }
    DateTime current = date;
    // Each step starts from the month's last day (forward) or first day (backward), so any
    // direction from -28 to 28 moves exactly one month; the step is kept as it is for the others.
    for (std::int32_t step = 0; step < count; ++step) {
        const DateTimeFields here = current.fields();
        const int edgeDay = direction > 0 ? FINTDaysPerMonth(here.year, here.month) : 1;
        const DateTime landed = makeDate(here.year, here.month, edgeDay) + direction;
        const DateTimeFields there = landed.fields();
        const std::int32_t length = FINTDaysPerMonth(there.year, there.month);
        current = makeDate(there.year, there.month, length > wantedDay ? wantedDay : length);
    }
    return current;
}

}  // namespace korvane
