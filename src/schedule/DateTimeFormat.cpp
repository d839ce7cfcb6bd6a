// Formatting date-time values with patterns.
#include "schedule/DateTimeFormat.h"

#include <cstdlib>

namespace korvane {
namespace {

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool startsWithAmpm(std::string_view text) {
    return text.size() >= 4 && lower(text[0]) == 'a' && lower(text[1]) == 'm' &&
           lower(text[2]) == 'p' && lower(text[3]) == 'm';
}

bool hasAmpm(std::string_view pattern) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (startsWithAmpm(pattern.substr(i))) {
            return true;
        }
    }
    return false;
}

void appendNumber(std::string& out, long long number, int width) {
    if (number < 0) {
        out += '-';
        number = -number;
    }
    const std::string digits = std::to_string(number);
    if (static_cast<int>(digits.size()) < width) {
        out.append(static_cast<std::size_t>(width) - digits.size(), '0');
    }
    out += digits;
}

// Nested patterns (ddddd, t) are expanded at most this deep, so a pattern naming itself ends.
constexpr int kMaxNesting = 3;

void appendFormatted(std::string& out, std::string_view pattern, const DateTimeFields& fields,
                     const RegionalSettings& settings, int nesting) {
    if (nesting > kMaxNesting) {
        return;
    }
    char lastLetter = 0;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = lower(pattern[i]);
        if (c == '/') {
            out += settings.dateSeparator;
            ++i;
            continue;
        }
        if (c == ':') {
            out += settings.timeSeparator;
            ++i;
            continue;
        }
        if (!isLetter(c)) {
            out += pattern[i++];
            continue;
        }
        if (c == 'a' && startsWithAmpm(pattern.substr(i))) {
            out += fields.hour < 12 ? settings.amDesignator : settings.pmDesignator;
            i += 4;
            lastLetter = 'm';
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && lower(pattern[i + run]) == c) {
            ++run;
        }
        std::size_t taken = run;
        switch (c) {
            case 'd':
                taken = run >= 5 ? 5 : run;
                if (taken == 5) {
                    appendFormatted(out, settings.shortDatePattern, fields, settings, nesting + 1);
                } else if (taken == 4) {
                    out += settings.longDayNames[static_cast<std::size_t>(fields.weekday - 1)];
                } else if (taken == 3) {
                    out += settings.shortDayNames[static_cast<std::size_t>(fields.weekday - 1)];
                } else {
                    appendNumber(out, fields.day, static_cast<int>(taken));
                }
                break;
            case 'm':
                if (run >= 3) {
                    taken = run >= 4 ? 4 : 3;
                    const auto& names =
                        taken == 4 ? settings.longMonthNames : settings.shortMonthNames;
                    out += names[static_cast<std::size_t>(fields.month - 1)];
                } else {
                    appendNumber(out, lastLetter == 'h' ? fields.minute : fields.month,
                                 static_cast<int>(taken));
                }
                break;
            case 'y':
                if (run <= 2) {
                    appendNumber(out, (fields.year % 100 + 100) % 100, 2);
                } else {
                    taken = run >= 4 ? 4 : run;
                    appendNumber(out, fields.year, 4);
                }
                break;
            case 'h': {
                taken = run >= 2 ? 2 : 1;
                int hour = fields.hour;
                // A designator in front of the time counts too: "PM 14:05" would be read back
                // as no time at all.
                if (hasAmpm(pattern)) {
                    hour %= 12;
                    hour = hour == 0 ? 12 : hour;
                }
                appendNumber(out, hour, static_cast<int>(taken));
                break;
            }
            case 's':
                taken = run >= 2 ? 2 : 1;
                appendNumber(out, fields.second, static_cast<int>(taken));
                break;
            case 't':
                taken = run >= 2 ? 2 : 1;
                appendFormatted(
                    out, taken == 2 ? settings.longTimePattern() : settings.shortTimePattern(),
                    fields, settings, nesting + 1);
                break;
            default:
                out.append(pattern.substr(i, run));
                break;
        }
        i += taken;
        lastLetter = c;
    }
}

}  // namespace

std::string formatDateTime(std::string_view pattern, DateTime value,
                           const RegionalSettings& settings) {
    std::string out;
    appendFormatted(out, pattern, value.fields(), settings, 0);
    return out;
}

std::string shortDateText(DateTime value, const RegionalSettings& settings) {
    return formatDateTime("ddddd", value, settings);
}

std::string shortTimeText(DateTime value, const RegionalSettings& settings) {
    return formatDateTime("t", value, settings);
}

std::string minuteText(DateTime value, const RegionalSettings& settings) {
    return formatDateTime("ddddd t", value, settings);
}

std::string fullText(DateTime value, const RegionalSettings& settings) {
    std::string text = shortDateText(value, settings);
    if (!value.isMidnight()) {
        text += ' ';
        text += formatDateTime(settings.longTimePattern(), value, settings);
    }
    return text;
}

}  // namespace korvane
