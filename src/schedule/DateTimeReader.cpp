// Reading date-time texts: a small scanner over the text.
#include "schedule/DateTimeReader.h"

#include <optional>
#include <string>

#include "settings/UserError.h"

namespace korvane {
namespace {

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    void skipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }

    bool atEnd() const { return pos_ >= text_.size(); }

    /// Decimal digits after blanks; the count of digits read goes to digits.
    bool number(int& value, int& digits) {
        skipBlanks();
        value = 0;
        digits = 0;
        // Stopping at four significant digits keeps the value small; a longer number then
        // leaves a digit where a separator should be, and the text fails.
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' && value < 1000) {
            value = value * 10 + (text_[pos_] - '0');
            ++pos_;
            ++digits;
        }
        return digits > 0;
    }

    bool number(int& value) {
        int digits = 0;
        return number(value, digits);
    }

    bool character(char expected) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == expected) {
            ++pos_;
            return true;
        }
        return false;
    }

    /// A designator after blanks: true for the afternoon, false for the morning.
    std::optional<bool> designator(const RegionalSettings& settings) {
        skipBlanks();
        const std::pair<std::string_view, bool> candidates[] = {{settings.amDesignator, false},
                                                                {settings.pmDesignator, true},
                                                                {"AM", false},
                                                                {"PM", true}};
        for (const auto& [word, afternoon] : candidates) {
            if (!word.empty() && equalsIgnoringCase(text_.substr(pos_, word.size()), word)) {
                pos_ += word.size();
                return afternoon;
            }
        }
        return std::nullopt;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::optional<DateTime> scanDate(Scanner& scanner, const RegionalSettings& settings,
                                 int currentYear) {
    int numbers[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    if (!scanner.number(numbers[0], digits[0]) || !scanner.character(settings.dateSeparator) ||
        !scanner.number(numbers[1], digits[1])) {
        return std::nullopt;
    }
    bool withYear = false;
    if (scanner.character(settings.dateSeparator)) {
        if (!scanner.number(numbers[2], digits[2])) {
            return std::nullopt;
        }
        withYear = true;
    }

    int year = currentYear;
    int yearDigits = 4;
    int month = numbers[0];
    int day = numbers[1];
    switch (settings.dateOrder()) {
        case DateOrder::MonthDayYear:
            if (withYear) {
                year = numbers[2];
                yearDigits = digits[2];
            }
            break;
        case DateOrder::DayMonthYear:
            day = numbers[0];
            month = numbers[1];
            if (withYear) {
                year = numbers[2];
                yearDigits = digits[2];
            }
            break;
        case DateOrder::YearMonthDay:
            if (withYear) {
                year = numbers[0];
                yearDigits = digits[0];
                month = numbers[1];
                day = numbers[2];
            }
            break;
    }
    if (yearDigits <= 2) {
        year = expandTwoDigitYear(year, currentYear);
    }
    return tryMakeDate(year, month, day);
}

std::optional<DateTime> scanTime(Scanner& scanner, const RegionalSettings& settings) {
    std::optional<bool> afternoon = scanner.designator(settings);
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!scanner.number(hour)) {
        return std::nullopt;
    }
    if (scanner.character(settings.timeSeparator)) {
        if (!scanner.number(minute)) {
            return std::nullopt;
        }
        if (scanner.character(settings.timeSeparator) && !scanner.number(second)) {
            return std::nullopt;
        }
    }
    if (!afternoon) {
        afternoon = scanner.designator(settings);
    }
    if (afternoon) {
        if (hour < 1 || hour > 12) {
            return std::nullopt;
        }
        hour = (hour == 12 ? 0 : hour) + (*afternoon ? 12 : 0);
    }
    return tryMakeTime(hour, minute, second);
}

[[noreturn]] void fail(std::string_view text, const char* what) {
    throw UserError("'" + std::string(text) + "' is not a valid " + what);
}

}  // namespace

int expandTwoDigitYear(int twoDigitYear, int currentYear) {
    const int first = currentYear - 50;
    return first + ((twoDigitYear - first) % 100 + 100) % 100;
}

DateTime readDateTime(std::string_view text, const RegionalSettings& settings, int currentYear) {
    Scanner scanner(text);
    const std::optional<DateTime> date = scanDate(scanner, settings, currentYear);
    if (!date) {
        fail(text, "date and time");
    }
    scanner.skipBlanks();
    if (scanner.atEnd()) {
        return *date;
    }
    const std::optional<DateTime> time = scanTime(scanner, settings);
    if (!time) {
        fail(text, "date and time");
    }
    return DateTime::fromMilliseconds(date->milliseconds() + time->milliseconds());
}

DateTime readDate(std::string_view text, const RegionalSettings& settings, int currentYear) {
    Scanner scanner(text);
    const std::optional<DateTime> date = scanDate(scanner, settings, currentYear);
    scanner.skipBlanks();
    if (!date || !scanner.atEnd()) {
        fail(text, "date");
    }
    return *date;
}

DateTime readTime(std::string_view text, const RegionalSettings& settings) {
    Scanner scanner(text);
    const std::optional<DateTime> time = scanTime(scanner, settings);
    scanner.skipBlanks();
    if (!time || !scanner.atEnd()) {
        fail(text, "time");
    }
    return *time;
}

}  // namespace korvane
