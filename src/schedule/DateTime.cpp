// Splitting date-time values into fields and building them from fields.
#include "schedule/DateTime.h"

#include <cmath>
#include <string>

#include "schedule/Calendar.h"
#include "settings/UserError.h"

namespace korvane {
namespace {

constexpr std::int64_t kMillisecondsPerMinute = 60'000;
// Further than this from 1899 a count of milliseconds no longer fits in 64 bits.
constexpr double kLargestDays = 1e11;
// Days from 1 March of year 0 (proleptic Gregorian) to 30 December 1899.
constexpr std::int64_t kEpochFromCivil = 693'899;

std::int64_t floorDivide(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return (value % divisor < 0) ? quotient - 1 : quotient;
}

// Days since 30 December 1899 of a proleptic Gregorian date (a year 0 or below counts too).
std::int64_t daysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = floorDivide(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const int shiftedMonth = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + dayOfEra - kEpochFromCivil;
}

void civilFromDays(std::int64_t days, DateTimeFields& fields) {
    const std::int64_t shifted = days + kEpochFromCivil;
    const std::int64_t era = floorDivide(shifted, 146'097);
    const std::int64_t dayOfEra = shifted - era * 146'097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    fields.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    fields.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    fields.year = static_cast<int>(yearOfEra + era * 400 + (fields.month <= 2 ? 1 : 0));
}

}  // namespace

DateTime DateTime::fromMilliseconds(std::int64_t milliseconds) {
    return DateTime(static_cast<double>(milliseconds) / static_cast<double>(kMillisecondsPerDay));
}

std::int64_t DateTime::milliseconds() const {
    if (!std::isfinite(days_) || std::fabs(days_) > kLargestDays) {
        throw UserError("The date-time value lies outside the calendar");
    }
    return std::llround(days_ * static_cast<double>(kMillisecondsPerDay));
}

DateTimeFields DateTime::fields() const {
    const std::int64_t total = milliseconds();
    const std::int64_t days = floorDivide(total, kMillisecondsPerDay);
    std::int64_t rest = total - days * kMillisecondsPerDay;

    DateTimeFields fields;
    civilFromDays(days, fields);
    fields.hour = static_cast<int>(rest / 3'600'000);
    rest %= 3'600'000;
    fields.minute = static_cast<int>(rest / kMillisecondsPerMinute);
    rest %= kMillisecondsPerMinute;
    fields.second = static_cast<int>(rest / 1000);
    fields.millisecond = static_cast<int>(rest % 1000);
    // Day 0, 30 December 1899, was a Saturday.
    fields.weekday = static_cast<int>((days % 7 + 7 + 6) % 7) + 1;
    return fields;
}

DateTime DateTime::dateOnly() const {
    return fromMilliseconds(floorDivide(milliseconds(), kMillisecondsPerDay) * kMillisecondsPerDay);
}

DateTime DateTime::cutToMinute() const {
    return fromMilliseconds(floorDivide(milliseconds(), kMillisecondsPerMinute) *
                            kMillisecondsPerMinute);
}

bool DateTime::isMidnight() const {
    const DateTimeFields split = fields();
    return split.hour == 0 && split.minute == 0 && split.second == 0;
}

std::optional<DateTime> tryMakeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > FINTDaysPerMonth(year, month)) {
        return std::nullopt;
    }
    return DateTime(static_cast<double>(daysFromCivil(year, month, day)));
}

DateTime makeDate(int year, int month, int day) {
    const std::optional<DateTime> date = tryMakeDate(year, month, day);
    if (!date) {
        throw UserError("There is no day " + std::to_string(day) + " of month " +
                        std::to_string(month) + " in the year " + std::to_string(year));
    }
    return *date;
}

std::optional<DateTime> tryMakeTime(int hour, int minute, int second, int millisecond) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999) {
        return std::nullopt;
    }
    return DateTime::fromMilliseconds(
        ((static_cast<std::int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond);
}

DateTime makeDateTime(int year, int month, int day, int hour, int minute, int second,
                      int millisecond) {
    const DateTime date = makeDate(year, month, day);
    const std::optional<DateTime> time = tryMakeTime(hour, minute, second, millisecond);
    if (!time) {
        throw UserError("There is no time " + std::to_string(hour) + ":" + std::to_string(minute) +
                        ":" + std::to_string(second) + " in a day");
    }
    return DateTime::fromMilliseconds(date.milliseconds() + time->milliseconds());
}

}  // namespace korvane
