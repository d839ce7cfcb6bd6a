// Regional settings from the locale's LC_TIME: its date and time formats mapped to the patterns
// of the schedule's texts.
#include "schedule/RegionalSettings.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <string_view>
#include <vector>

namespace korvane {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isAsciiPunctuation(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code > 0x20 && code < 0x7f && !(c >= '0' && c <= '9') && !(c >= 'a' && c <= 'z') &&
           !(c >= 'A' && c <= 'Z');
}

// One conversion of a strftime format: its letter and the padding flag in front of it.
struct Conversion {
    char letter = 0;
    char flag = 0;
};

// Splits a strftime format into conversions and the literal text before each of them (and after
// the last, in the final element of literals).
void splitFormat(std::string_view format, std::vector<Conversion>& conversions,
                 std::vector<std::string>& literals) {
    literals.assign(1, {});
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 >= format.size()) {
            literals.back() += format[i];
            continue;
        }
        Conversion conversion;
        ++i;
        while (i < format.size() &&
               std::string_view("-_0^#").find(format[i]) != std::string_view::npos) {
            conversion.flag = format[i++];
        }
        while (i < format.size() &&
               ((format[i] >= '0' && format[i] <= '9') || format[i] == 'E' || format[i] == 'O')) {
            ++i;
        }
        if (i >= format.size()) {
            break;
        }
        if (format[i] == '%') {
            literals.back() += '%';
            continue;
        }
        conversion.letter = format[i];
        conversions.push_back(conversion);
        literals.emplace_back();
    }
}

std::string expandComposites(std::string_view format, std::string_view ampmFormat) {
    std::string expanded;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            const char next = format[i + 1];
            const char* replacement = next == 'D'   ? "%m/%d/%y"
                                      : next == 'F' ? "%Y-%m-%d"
                                      : next == 'T' ? "%H:%M:%S"
                                      : next == 'R' ? "%H:%M"
                                                    : nullptr;
            if (replacement != nullptr) {
                expanded += replacement;
                ++i;
                continue;
            }
            if (next == 'r') {
                expanded += ampmFormat.empty() ? "%I:%M:%S %p" : ampmFormat;
                ++i;
                continue;
            }
            expanded += format[i];
            expanded += next;
            ++i;
            continue;
        }
        expanded += format[i];
    }
    return expanded;
}

std::string trimBlanks(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// The short date pattern and separator of a D_FMT; left as they are unless the format shows
// day, month and year once each as numbers.
void applyDateFormat(std::string_view dateFormat, RegionalSettings& settings) {
    std::vector<Conversion> conversions;
    std::vector<std::string> literals;
    splitFormat(expandComposites(dateFormat, {}), conversions, literals);
    if (conversions.size() != 3) {
        return;
    }
    std::string fields[3];
    bool seenDay = false, seenMonth = false, seenYear = false;
    for (std::size_t i = 0; i < 3; ++i) {
        const bool unpadded = conversions[i].flag == '-' || conversions[i].flag == '_';
        switch (conversions[i].letter) {
            case 'd':
                fields[i] = unpadded ? "d" : "dd";
                seenDay = true;
                break;
            case 'e':
                fields[i] = conversions[i].flag == '0' ? "dd" : "d";
                seenDay = true;
                break;
            case 'm':
                fields[i] = unpadded ? "m" : "mm";
                seenMonth = true;
                break;
            case 'y':
                fields[i] = "yy";
                seenYear = true;
                break;
            case 'Y':
            case 'G':
                fields[i] = "yyyy";
                seenYear = true;
                break;
            default:
                return;
        }
    }
    if (!seenDay || !seenMonth || !seenYear) {
        return;
    }
    const std::string separator = trimBlanks(literals[1]);
    settings.dateSeparator =
        (separator.size() == 1 && isAsciiPunctuation(separator[0])) ? separator[0] : '/';
    settings.shortDatePattern = fields[0] + "/" + fields[1] + "/" + fields[2];
}

// The clock, the hour's leading zero, the designator's place and the time separator of a T_FMT.
void applyTimeFormat(std::string_view timeFormat, std::string_view ampmFormat,
                     RegionalSettings& settings) {
    std::vector<Conversion> conversions;
    std::vector<std::string> literals;
    splitFormat(expandComposites(timeFormat, ampmFormat), conversions, literals);
    std::size_t hourAt = conversions.size();
    std::size_t designatorAt = conversions.size();
    for (std::size_t i = 0; i < conversions.size(); ++i) {
        const char letter = conversions[i].letter;
        if (hourAt == conversions.size() &&
            (letter == 'H' || letter == 'k' || letter == 'I' || letter == 'l')) {
            hourAt = i;
        }
        if (designatorAt == conversions.size() && (letter == 'p' || letter == 'P')) {
            designatorAt = i;
        }
    }
    if (hourAt == conversions.size()) {
        return;
    }
    const Conversion hour = conversions[hourAt];
    settings.twelveHourClock = hour.letter == 'I' || hour.letter == 'l';
    const bool zeroPadded = hour.letter == 'H' || hour.letter == 'I';
    settings.hourLeadingZero =
        hour.flag == '0' || (zeroPadded && hour.flag != '-' && hour.flag != '_');
    settings.designatorBefore = designatorAt < hourAt;
    const std::string& afterHour = literals[hourAt + 1];
    settings.timeSeparator =
        (!afterHour.empty() && isAsciiPunctuation(afterHour[0])) ? afterHour[0] : ':';
}

bool isPlainCLocale(std::string_view name) {
    return name == "C" || name == "POSIX" || name.starts_with("C.") || name.starts_with("POSIX.");
}

}  // namespace

std::string RegionalSettings::shortTimePattern() const {
    const std::string time = std::string(hourLeadingZero ? "hh" : "h") + ":mm";
    if (!twelveHourClock) {
        return time;
    }
    return designatorBefore ? "AMPM " + time : time + " AMPM";
}

std::string RegionalSettings::longTimePattern() const {
    const std::string time = std::string(hourLeadingZero ? "hh" : "h") + ":mm:ss";
    if (!twelveHourClock) {
        return time;
    }
    return designatorBefore ? "AMPM " + time : time + " AMPM";
}

DateOrder RegionalSettings::dateOrder() const {
    for (const char c : shortDatePattern) {
        if (c == 'd' || c == 'D')
            return DateOrder::DayMonthYear;
        if (c == 'y' || c == 'Y')
            return DateOrder::YearMonthDay;
        if (c == 'm' || c == 'M')
            return DateOrder::MonthDayYear;
    }
    return DateOrder::MonthDayYear;
}

RegionalSettings regionalSettingsFromFormats(const LocaleTimeFormats& formats) {
    RegionalSettings settings;
    applyDateFormat(formats.dateFormat, settings);
    applyTimeFormat(formats.timeFormat, formats.ampmTimeFormat, settings);
    // A 12-hour clock needs both designators to tell morning from afternoon.
    if (!settings.twelveHourClock || (!formats.am.empty() && !formats.pm.empty())) {
        settings.amDesignator = formats.am;
        settings.pmDesignator = formats.pm;
    }
    return settings;
}

std::optional<RegionalSettings> regionalSettingsForLocale(const std::string& localeName) {
    locale_t locale = newlocale(LC_TIME_MASK, localeName.c_str(), static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) {
        return std::nullopt;
    }
    RegionalSettings settings;
    if (!isPlainCLocale(localeName)) {
        settings = regionalSettingsFromFormats(
            {nl_langinfo_l(D_FMT, locale), nl_langinfo_l(T_FMT, locale),
             nl_langinfo_l(T_FMT_AMPM, locale), nl_langinfo_l(AM_STR, locale),
             nl_langinfo_l(PM_STR, locale)});
        static constexpr nl_item kMonths[] = {MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                                              MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
        static constexpr nl_item kShortMonths[] = {ABMON_1, ABMON_2,  ABMON_3,  ABMON_4,
                                                   ABMON_5, ABMON_6,  ABMON_7,  ABMON_8,
                                                   ABMON_9, ABMON_10, ABMON_11, ABMON_12};
        static constexpr nl_item kDays[] = {DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
        static constexpr nl_item kShortDays[] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4,
                                                 ABDAY_5, ABDAY_6, ABDAY_7};
        for (std::size_t i = 0; i < 12; ++i) {
            settings.longMonthNames[i] = nl_langinfo_l(kMonths[i], locale);
            settings.shortMonthNames[i] = nl_langinfo_l(kShortMonths[i], locale);
        }
        for (std::size_t i = 0; i < 7; ++i) {
            settings.longDayNames[i] = nl_langinfo_l(kDays[i], locale);
            settings.shortDayNames[i] = nl_langinfo_l(kShortDays[i], locale);
        }
    }
    freelocale(locale);
    return settings;
}

RegionalSettings regionalSettingsFromEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return regionalSettingsForLocale(value).value_or(RegionalSettings{});
        }
    }
    return RegionalSettings{};
}

}  // namespace korvane
