// Decoding UTF-8 one character at a time, where a byte that does not start a valid sequence
// stands for itself, so every name, valid UTF-8 or not, is a sequence of units.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace korvane::utf8 {

/// Units at or above this value are single bytes that are not valid UTF-8 (the byte added).
inline constexpr std::uint32_t kInvalidByteBase = 0x110000;

struct Unit {
    std::uint32_t value = 0;  ///< the code point, or kInvalidByteBase + the byte
    std::size_t length = 1;   ///< the bytes it takes
};

/// The unit that starts at `at` (which must be inside `text`). Overlong forms, surrogates and
/// values past U+10FFFF are not valid: their first byte is an invalid byte.
inline Unit decode(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    std::uint32_t value = 0;
    std::uint32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1Fu, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07u, minimum = 0x10000;
    } else {
        return {kInvalidByteBase + lead, 1};
    }
    if (at + length > text.size()) {
        return {kInvalidByteBase + lead, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(at + i);
        if ((next & 0xC0u) != 0x80u) {
            return {kInvalidByteBase + lead, 1};
        }
        value = (value << 6) | (next & 0x3Fu);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return {kInvalidByteBase + lead, 1};
    }
    return {value, length};
}

}  // namespace korvane::utf8
