// Reading texts as whole numbers, by the two rules the program uses.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvane {

/// The general rule: blanks may lead, then an optional sign and decimal digits, or "$" and
/// hexadecimal digits; nothing may follow; the number must fit 32 bits with sign.
std::optional<std::int32_t> parseWholeNumber(std::string_view text);

/// parseWholeNumber, failing with UserError "'<text>' is not a valid integer value".
std::int32_t readWholeNumber(std::string_view text);

/// The settings file's rule for a whole-number value: the general rule, and also "0x"/"0X"
/// followed by hexadecimal digits.
std::optional<std::int32_t> parseSettingsNumber(std::string_view text);

}  // namespace korvane
