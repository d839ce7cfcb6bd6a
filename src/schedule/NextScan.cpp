// The next-scan computation of the five schedule kinds. Much of it works on texts: values are
// formatted under the regional settings and read back, which drops their seconds, and the time
// of day or the day of the month is put in place by building a text.
#include "schedule/NextScan.h"

#include <cstdint>
#include <string>

#include "schedule/Calendar.h"
#include "schedule/DateTimeFormat.h"
#include "schedule/DateTimeReader.h"
#include "settings/UserError.h"
#include "settings/WholeNumber.h"

namespace korvane {
namespace {

constexpr const char* kSection = "Schedule";
constexpr const char* kLastScan = "LastScan";

// Steps in days; each unit of an interval is one of these.
constexpr double kBootstrapShort = 0.001;  // 86.4 s, kinds 1 to 3; catch-up of kind 1
constexpr double kBootstrapLong = 0.002;   // 172.8 s, kinds 4 and 5
constexpr double kMinuteUnit = 0.0007;     // 60.48 s
constexpr double kHourUnit = 0.041666667;  // one hour and 28.8 microseconds

class NextScanComputation {
public:
    NextScanComputation(SettingsAccess& settings, const RegionalSettings& regional,
                        const Clock& clock)
        : settings_(settings), regional_(regional), clock_(clock) {}

    std::optional<DateTime> run() {
        const std::int32_t kind = settings_.readInteger(kSection, "OptionChecked", 1);
        if (kind < 1 || kind > 5) {
            return std::nullopt;
        }
        if (settings_.readText(kSection, kLastScan, "Default") == "Default") {
            const double ahead = kind <= 3 ? kBootstrapShort : kBootstrapLong;
            settings_.writeText(kSection, kLastScan, full((now() + ahead).cutToMinute()));
        }
        switch (static_cast<ScheduleKind>(kind)) {
            case ScheduleKind::Minutes:
                return everyMinutes();
            case ScheduleKind::Hours:
                return everyHours();
            case ScheduleKind::Days:
                return everyDays();
            case ScheduleKind::Weeks:
                return everyWeeks();
            case ScheduleKind::Months:
                return everyMonths();
        }
        return std::nullopt;
    }

private:
    // The present moment, read afresh at every use.
    DateTime now() const { return clock_.now(); }
    std::string full(DateTime value) const { return fullText(value, regional_); }
    std::string shortDate(DateTime value) const { return shortDateText(value, regional_); }
    DateTime read(const std::string& text) const {
        return readDateTime(text, regional_, now().fields().year);
    }
    std::int32_t integer(const char* key, std::int32_t defaultValue) const {
        return settings_.readInteger(kSection, key, defaultValue);
    }
    std::string text(const char* key, const char* defaultText) const {
        return settings_.readText(kSection, key, defaultText);
    }
    DateTime readLast() const { return read(settings_.readText(kSection, kLastScan, full(now()))); }

    // An unreadable LastScan is replaced by the present moment; the interval counts from there.
    DateTime recoverFromNow(double step) {
        const DateTime next = read(full(now())) + step;
        settings_.writeText(kSection, kLastScan, full(now()));
        return next;
    }

    DateTime everyMinutes() {
        DateTime next;
        try {
            next = readLast() + integer("MinuteInterval", 30) * kMinuteUnit;
        } catch (const UserError&) {
            next = recoverFromNow(integer("MinuteInterval", 30) * kMinuteUnit);
        }
        if (next.cutToMinute() < now().cutToMinute()) {
            next = (now() + kBootstrapShort).cutToMinute();
        }
        return next.cutToMinute();
    }

    DateTime everyHours() {
        const DateTime next = readLast() + integer("HourInterval", 3) * kHourUnit;
        const std::string minute = text("HourParameter", "30");
        const std::string separator(1, regional_.timeSeparator);
        std::string candidate =
            shortDate(next) + " " + formatDateTime("h", next, regional_) + separator + minute;
        if (now().cutToMinute() > read(candidate).cutToMinute()) {
            candidate = formatDateTime("ddddd h:", now(), regional_) + minute;
        }
        if (now().cutToMinute() > read(candidate).cutToMinute()) {
            candidate = full(read(candidate) + kHourUnit);
        }
        return read(candidate);
    }

    DateTime everyDays() {
        DateTime next;
        try {
            next = readLast() + integer("DayInterval", 1);
        } catch (const UserError&) {
            next = recoverFromNow(integer("DayInterval", 1));
        }
        const std::string timeOfDay = text("DayParameter", "12:00");
        std::string candidate = shortDate(next) + " " + timeOfDay;
        if (now() < read(candidate)) {
            return read(candidate);
        }
        if (now().cutToMinute() > read(candidate).cutToMinute()) {
            candidate = shortDate(now()) + " " + timeOfDay;
        }
        if (now().cutToMinute() > read(candidate).cutToMinute()) {
            candidate = shortDate(now() + 1.0) + " " + timeOfDay;
        }
        return read(candidate);
    }

    DateTime everyWeeks() {
        const DateTime last = readLast();
        const double weeks = integer("WeekInterval", 1);
        const DateTime candidate = read(full(last + 7.0 * weeks));
        std::int32_t weekday = integer("WeekParameter", 0);
        // The window stores 0 to 7 only; any other number would land in the past and start a
        // scan at every tick, so it counts as no weekday chosen, as the window saves it.
        if (weekday < 0 || weekday > 7) {
            weekday = 0;
        }
        const bool candidatePast = now().cutToMinute() > candidate.cutToMinute();
        const DateTime from = candidatePast ? now() : candidate;
        const int d = from.weekday() - weekday;
        if (d == 0 && !candidatePast) {
            return candidate;
        }
        const int ahead = d > 0 ? 7 - d : (d < 0 ? -d : 7);
        return (from + ahead).cutToMinute();
    }

    DateTime everyMonths() {
        const DateTime lastDay = readLast().dateOnly();
        DateTime target = FDTChangeMonth(integer("MonthInterval", 1), 1, lastDay);
        const std::int32_t wantedDay = integer("MonthParameter", 1);
        const std::string dayText = text("MonthParameter", "1");
        if (wantedDay < target.fields().day) {
            target = FDTChangeMonth(1, 1, target);
        }
        const DateTimeFields month = target.fields();
        std::string day = dayText;
        if (readWholeNumber(dayText) >= 29) {
            if (month.month == 2) {
                day = "28";
            } else if ((month.month == 4 || month.month == 6 || month.month == 9 ||
                        month.month == 11) &&
                       readWholeNumber(dayText) > 30) {
                day = "30";
            }
        }
        return read(monthDayText(month, day) + " " + shortTimeText(DateTime(), regional_));
    }

    // The date of the month's day text, its numbers in the order of the short date pattern and
    // the year in four digits, so that the reader takes it back as built.
    std::string monthDayText(const DateTimeFields& month, const std::string& day) const {
        const std::string separator(1, regional_.dateSeparator);
        const std::string monthNumber = std::to_string(month.month);
        const std::string year =
            formatDateTime("yyyy", makeDate(month.year, month.month, 1), regional_);
        switch (regional_.dateOrder()) {
            case DateOrder::DayMonthYear:
                return day + separator + monthNumber + separator + year;
            case DateOrder::YearMonthDay:
                return year + separator + monthNumber + separator + day;
            case DateOrder::MonthDayYear:
                break;
        }
        return monthNumber + separator + day + separator + year;
    }

    SettingsAccess& settings_;
    const RegionalSettings& regional_;
    const Clock& clock_;
};

}  // namespace

std::optional<DateTime> ComputeNextScan(SettingsAccess& settings, const RegionalSettings& regional,
                                        const Clock& clock) {
    return NextScanComputation(settings, regional, clock).run();
}

}  // namespace korvane
