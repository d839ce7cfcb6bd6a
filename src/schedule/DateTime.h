// The date-time value: days since 30 December 1899 00:00 as a double, the fraction being the
// time of day. A value is split into its fields only after rounding to the nearest millisecond.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>

namespace korvane {

inline constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

/// The fields of a date-time value; weekday runs from 1 Sunday to 7 Saturday.
struct DateTimeFields {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int weekday = 7;
};

class DateTime {
public:
    constexpr DateTime() = default;
    constexpr explicit DateTime(double days) : days_(days) {}

    /// The value for a whole count of milliseconds since 30 December 1899 00:00.
    static DateTime fromMilliseconds(std::int64_t milliseconds);

    constexpr double days() const { return days_; }

    /// Milliseconds since 30 December 1899 00:00, rounded to the nearest; throws UserError for a
    /// value too far from that day to count in 64 bits.
    std::int64_t milliseconds() const;

    /// The fields, after rounding to the nearest millisecond. Days before 30 December 1899 count
    /// backwards from it, the time of day always running forward within its day.
    DateTimeFields fields() const;

    /// 1 Sunday to 7 Saturday.
    int weekday() const { return fields().weekday; }

    /// The day at midnight, after rounding to the nearest millisecond.
    DateTime dateOnly() const;

    /// The same day and time with the seconds and their fractions dropped.
    DateTime cutToMinute() const;

    /// True when the time of day is 00:00:00 in hours, minutes and seconds.
    bool isMidnight() const;

    constexpr DateTime operator+(double days) const { return DateTime(days_ + days); }
    constexpr DateTime operator-(double days) const { return DateTime(days_ - days); }
    friend constexpr auto operator<=>(DateTime, DateTime) = default;

private:
    double days_ = 0.0;
};

/// The date at midnight, or nothing when the year is not 1 to 9999 or the month or day does not
/// exist.
std::optional<DateTime> tryMakeDate(int year, int month, int day);

/// tryMakeDate, throwing UserError for a date that does not exist.
DateTime makeDate(int year, int month, int day);

/// The time of day as a fraction of a day, or nothing when a field is out of its range.
std::optional<DateTime> tryMakeTime(int hour, int minute, int second, int millisecond = 0);

/// The date and time, throwing UserError when any field is out of its range.
DateTime makeDateTime(int year, int month, int day, int hour, int minute, int second = 0,
                      int millisecond = 0);

}  // namespace korvane
