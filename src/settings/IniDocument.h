// The settings file's text as lines: key look-up, key writes and removals that leave every
// other line as it was, and the text written back.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class IniDocument {
public:
    /// A value reads back through a buffer of 1024 characters: at most this many come back.
    static constexpr std::size_t kMaxValueLength = 1023;

    /// Splits text at LF, CRLF or CR. Any bytes are accepted; lines that are neither a section
    /// line nor a key line are kept as they stand.
    static IniDocument parse(std::string_view text);

    /// Whether the names and the value can be written as one key line that reads back the same:
    /// no line breaks or NUL anywhere, a non-empty key without "=" that does not start like a
    /// section or a comment, a non-empty section name without "]".
    static bool canWrite(std::string_view section, std::string_view key, std::string_view value);

    /// The value of the first line of the key in the section (letter case ignored, blanks
    /// around names and value dropped), cut to kMaxValueLength; nothing when missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    /// The value as value() reads it, but never cut: for the list values the program writes.
    std::optional<std::string> wholeValue(std::string_view section, std::string_view key) const;

    /// Sets the first line of the key, or adds the key at the end of its section, or the section
    /// at the end of the text. Returns whether the text changed. Requires canWrite.
    bool set(std::string_view section, std::string_view key, std::string_view value);

    /// Removes every line of the key in the section. Returns whether the text changed.
    bool remove(std::string_view section, std::string_view key);

    /// The text with LF line ends, each line ending in LF.
    std::string serialise() const;

private:
    enum class Kind { Blank, Section, Key, Other };
    struct Line {
        std::string text;
        Kind kind = Kind::Other;
        std::string name;  ///< the section's or the key's name, blanks around it dropped
    };

    static Line classify(std::string text);
    std::optional<std::size_t> findKey(std::string_view section, std::string_view key) const;
    std::optional<std::size_t> findSection(std::string_view section) const;

    std::vector<Line> lines_;
    bool byteOrderMark_ = false;
};

}  // namespace korvane
