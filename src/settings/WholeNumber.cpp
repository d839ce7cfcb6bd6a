// Reading texts as whole numbers: decimal with an optional sign, or hexadecimal after "$"
// (and, in the settings file, after "0x"), within 32 bits with sign.
#include "settings/WholeNumber.h"

#include <limits>
#include <string>

#include "settings/UserError.h"

namespace korvane {
namespace {

constexpr std::int64_t kMaximum = std::numeric_limits<std::int32_t>::max();

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string_view skipLeadingBlanks(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    return text.substr(start);
}

// Digits of the given base, all of the text and at least one; the magnitude must not exceed
// `limit`, checked digit by digit so that a long text cannot overflow.
std::optional<std::int64_t> parseDigits(std::string_view digits, int base, std::int64_t limit) {
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> parseHex(std::string_view digits) {
    const auto value = parseDigits(digits, 16, kMaximum);
    if (!value)
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

}  // namespace

std::optional<std::int32_t> parseWholeNumber(std::string_view text) {
    text = skipLeadingBlanks(text);
    if (text.empty())
        return std::nullopt;
    if (text.front() == '$')
        return parseHex(text.substr(1));

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // The negative range reaches one further than the positive one.
    const auto magnitude = parseDigits(text, 10, negative ? kMaximum + 1 : kMaximum);
    if (!magnitude)
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -*magnitude : *magnitude);
}

std::int32_t readWholeNumber(std::string_view text) {
    if (const auto value = parseWholeNumber(text))
        return *value;
    throw UserError("'" + std::string(text) + "' is not a valid integer value");
}

std::optional<std::int32_t> parseSettingsNumber(std::string_view text) {
    const std::string_view rest = skipLeadingBlanks(text);
    if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        return parseHex(rest.substr(2));
    }
    return parseWholeNumber(text);
}

}  // namespace korvane
