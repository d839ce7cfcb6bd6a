// A file-name pattern compiled once per walk: "*" stands for any run of characters (none
// included), "?" for exactly one, and letter case is ignored. "*.*" matches every name, with
// or without a dot; a pattern ending in "." matches only names without a dot ("*." every such
// name). Names are taken as UTF-8; a byte that is not valid UTF-8 is one character of its own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class WildcardPattern {
public:
    explicit WildcardPattern(std::string_view pattern);

    /// Whether a file name (without any folder) matches.
    bool matches(std::string_view name) const;

    /// The pattern as given.
    const std::string& text() const { return text_; }

private:
    enum class Kind { All, Exact, Prefix, Suffix, General };

    bool matchesLiteral(std::string_view name) const;
    bool matchesGeneral(std::string_view name) const;

    std::string text_;
    Kind kind_ = Kind::General;
    bool requireNoDot_ = false;
    /// The folded units of the pattern, with the wildcards as kStar and kAnyOne.
    std::vector<std::uint32_t> units_;
    /// For Exact, Prefix and Suffix: the literal part, folded, when it is all ASCII.
    std::string asciiLiteral_;
    bool literalIsAscii_ = false;
};

/// Letter case folding of one unit of utf8::decode (towlower of the code point in a UTF-8
/// character type, independent of the process's locale); invalid bytes stay as they are.
std::uint32_t foldUnit(std::uint32_t unit);

}  // namespace korvane
