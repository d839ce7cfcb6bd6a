// File-name patterns: compiled once, with quick paths for the common shapes ("*.ext",
// an exact name, "name*") and a general matcher for the rest.
#include "scan/WildcardPattern.h"

#include <locale.h>
#include <wctype.h>

#include <algorithm>
#include <cstring>

#include "scan/Utf8.h"

namespace korvane {
namespace {

constexpr std::uint32_t kStar = 0xFFFFFFFFu;
constexpr std::uint32_t kAnyOne = 0xFFFFFFFEu;

/// A character-type locale with Unicode case mapping, opened once; null when none exists,
/// and then only ASCII letters fold.
locale_t foldingLocale() {
    static const locale_t locale = [] {
        for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
            if (locale_t opened = ::newlocale(LC_CTYPE_MASK, name, locale_t{})) {
                return opened;
            }
        }
        return locale_t{};
    }();
    return locale;
}

inline unsigned char foldAscii(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

/// Whether the bytes are all ASCII and equal the folded ASCII literal when folded.
inline bool equalsFoldedAscii(const char* bytes, std::string_view literal) {
    for (std::size_t i = 0; i < literal.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x80 || foldAscii(byte) != static_cast<unsigned char>(literal[i])) {
            return false;
        }
    }
    return true;
}

inline bool allAscii(const char* bytes, std::size_t count) {
    return std::all_of(bytes, bytes + count,
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::uint32_t foldUnit(std::uint32_t unit) {
    if (unit < 0x80) {
        return foldAscii(static_cast<unsigned char>(unit));
    }
    if (unit >= utf8::kInvalidByteBase) {
        return unit;
    }
    const locale_t locale = foldingLocale();
    if (locale == locale_t{}) {
        return unit;
    }
    return static_cast<std::uint32_t>(::towlower_l(static_cast<wint_t>(unit), locale));
}

WildcardPattern::WildcardPattern(std::string_view pattern) : text_(pattern) {
    if (pattern == "*.*") {
        kind_ = Kind::All;
        return;
    }
    if (!pattern.empty() && pattern.back() == '.') {
        requireNoDot_ = true;
        pattern.remove_suffix(1);
    }
    for (std::size_t at = 0; at < pattern.size();) {
        const utf8::Unit unit = utf8::decode(pattern, at);
        at += unit.length;
        if (unit.value == '*') {
            if (units_.empty() || units_.back() != kStar) {
                units_.push_back(kStar);
            }
        } else if (unit.value == '?') {
            units_.push_back(kAnyOne);
        } else {
            units_.push_back(foldUnit(unit.value));
        }
    }

    const auto stars = std::count(units_.begin(), units_.end(), kStar);
    const bool anyOne = std::find(units_.begin(), units_.end(), kAnyOne) != units_.end();
    if (units_.size() == 1 && stars == 1) {
        kind_ = Kind::All;
    } else if (anyOne || stars > 1) {
        kind_ = Kind::General;
    } else if (stars == 0) {
        kind_ = Kind::Exact;
    } else if (units_.front() == kStar) {
        kind_ = Kind::Suffix;
    } else if (units_.back() == kStar) {
        kind_ = Kind::Prefix;
    } else {
        kind_ = Kind::General;
    }
    if (kind_ == Kind::Exact || kind_ == Kind::Prefix || kind_ == Kind::Suffix) {
        literalIsAscii_ = true;
        for (const std::uint32_t unit : units_) {
            if (unit == kStar) {
                continue;
            }
            if (unit >= 0x80) {
                literalIsAscii_ = false;
                break;
            }
            asciiLiteral_ += static_cast<char>(unit);
        }
    }
}

bool WildcardPattern::matches(std::string_view name) const {
    if (kind_ == Kind::All) {
        return !requireNoDot_ || std::memchr(name.data(), '.', name.size()) == nullptr;
    }
    if (requireNoDot_ && std::memchr(name.data(), '.', name.size()) != nullptr) {
        return false;
    }
    if (kind_ != Kind::General && literalIsAscii_) {
        return matchesLiteral(name);
    }
    return matchesGeneral(name);
}

bool WildcardPattern::matchesLiteral(std::string_view name) const {
    // Only a non-ASCII character can fold to an ASCII letter (the Kelvin sign to "k"), so a
    // region of ASCII bytes is decided here and any other goes to the general matcher.
    const std::size_t size = asciiLiteral_.size();
    switch (kind_) {
        case Kind::Suffix:
            if (name.size() < size) {
                return false;
            }
            if (allAscii(name.data() + name.size() - size, size)) {
                return equalsFoldedAscii(name.data() + name.size() - size, asciiLiteral_);
            }
            break;
        case Kind::Prefix:
            if (name.size() < size) {
                return false;
            }
            if (allAscii(name.data(), size)) {
                return equalsFoldedAscii(name.data(), asciiLiteral_);
            }
            break;
        case Kind::Exact:
            if (allAscii(name.data(), name.size())) {
                return name.size() == size && equalsFoldedAscii(name.data(), asciiLiteral_);
            }
            break;
        default:
            break;
    }
    return matchesGeneral(name);
}

bool WildcardPattern::matchesGeneral(std::string_view name) const {
    const std::size_t count = units_.size();
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starP = count;  // no star seen yet
    std::size_t starN = 0;
    while (n < name.size()) {
        const utf8::Unit unit = utf8::decode(name, n);
        if (p < count && (units_[p] == kAnyOne || units_[p] == foldUnit(unit.value))) {
            ++p;
            n += unit.length;
        } else if (p < count && units_[p] == kStar) {
            starP = p++;
            starN = n;
        } else if (starP != count) {
            // Let the last star take one more character and try again after it.
            p = starP + 1;
            starN += utf8::decode(name, starN).length;
            n = starN;
        } else {
            return false;
        }
    }
    while (p < count && units_[p] == kStar) {
        ++p;
    }
    return p == count;
}

}  // namespace korvane
