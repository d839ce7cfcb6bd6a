// The regional date and time settings, taken once at start-up from the locale's LC_TIME; the
// texts of the schedule are formatted and read under them.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace korvane {

/// Which number comes first in a date, and so the order the reader takes the numbers in.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

/// Without regional settings (the C and POSIX locales) every member keeps its default.
struct RegionalSettings {
    char dateSeparator = '/';
    /// A pattern of d, m, y and '/' (the date separator), e.g. "m/d/yy" or "dd/mm/yyyy".
    std::string shortDatePattern = "m/d/yy";
    char timeSeparator = ':';
    std::string amDesignator = "am";
    std::string pmDesignator = "pm";
    bool hourLeadingZero = false;
    bool twelveHourClock = true;
    /// Whether the designator stands in front of the time (12-hour clock only).
    bool designatorBefore = false;
    std::array<std::string, 12> shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> longMonthNames = {"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};
    /// Sunday first.
    std::array<std::string, 7> shortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> longDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};

    /// The hour ("h" or "hh"), ":mm", and "AMPM" behind or in front on a 12-hour clock.
    std::string shortTimePattern() const;
    /// As the short time pattern, with ":ss" after the minutes.
    std::string longTimePattern() const;
    /// Taken from the first of d, m and y in the short date pattern.
    DateOrder dateOrder() const;
};

/// The LC_TIME strings the settings are taken from, as nl_langinfo gives them.
struct LocaleTimeFormats {
    std::string dateFormat;      ///< D_FMT, e.g. "%m/%d/%y"
    std::string timeFormat;      ///< T_FMT, e.g. "%H:%M:%S" or "%r"
    std::string ampmTimeFormat;  ///< T_FMT_AMPM, what "%r" stands for
    std::string am;              ///< AM_STR
    std::string pm;              ///< PM_STR
};

/// The date order and separator, the clock and the designators for these formats; a date format
/// that does not show day, month and year as numbers keeps the default date pattern, and a time
/// format without an hour keeps the default clock.
RegionalSettings regionalSettingsFromFormats(const LocaleTimeFormats& formats);

/// The settings of a named locale ("C", "de_DE.UTF-8", ...), or nothing when that locale is not
/// installed. The C and POSIX locales (C.UTF-8 included) give the defaults.
std::optional<RegionalSettings> regionalSettingsForLocale(const std::string& localeName);

/// The settings of the process's LC_TIME locale, named by the first non-empty of LC_ALL,
/// LC_TIME and LANG; the defaults when none is set or the locale is not installed.
RegionalSettings regionalSettingsFromEnvironment();

}  // namespace korvane
