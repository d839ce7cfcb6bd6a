// The settings file's text as lines, with the look-up and placement rules of its readers and
// writers: names compared with ASCII letter case ignored, the first of equal keys winning, new
// keys at the end of their section and new sections at the end of the file.
#include "settings/IniDocument.h"

#include <algorithm>
#include <stdexcept>

namespace korvane {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

bool hasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// The value part of a key line: the text after the first "=", blanks around it dropped.
std::string_view valueOf(std::string_view lineText) {
    return trim(lineText.substr(lineText.find('=') + 1));
}

// Cut to the buffer's length without splitting a UTF-8 sequence in two.
std::string cutValue(std::string_view value) {
    if (value.size() <= IniDocument::kMaxValueLength)
        return std::string(value);
    std::size_t cut = IniDocument::kMaxValueLength;
    const std::size_t lowest = cut - 3;
    while (cut > lowest && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80)
        --cut;
    if ((static_cast<unsigned char>(value[cut]) & 0xC0) != 0xC0) {
        // Not the start of a multi-byte sequence: stray bytes, cut where the buffer ends.
        cut = IniDocument::kMaxValueLength;
    }
    return std::string(value.substr(0, cut));
}

}  // namespace

IniDocument::Line IniDocument::classify(std::string text) {
    Line line;
    const std::string_view content = trim(text);
    if (content.empty()) {
        line.kind = Kind::Blank;
    } else if (content.front() == '[') {
        const std::size_t close = content.find(']');
        if (close != std::string_view::npos) {
            line.kind = Kind::Section;
            line.name = trim(content.substr(1, close - 1));
        }
    } else if (content.front() != ';' && content.front() != '#') {
        const std::size_t equals = content.find('=');
        if (equals != std::string_view::npos && !trim(content.substr(0, equals)).empty()) {
            line.kind = Kind::Key;
            line.name = trim(content.substr(0, equals));
        }
    }
    line.text = std::move(text);
    return line;
}

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument document;
    if (text.starts_with(kByteOrderMark)) {
        document.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            document.lines_.push_back(classify(std::string(text)));
            break;
        }
        document.lines_.push_back(classify(std::string(text.substr(0, end))));
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return document;
}

bool IniDocument::canWrite(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view sectionName = trim(section);
    const std::string_view keyName = trim(key);
    if (hasLineBreakOrNul(section) || hasLineBreakOrNul(key) || hasLineBreakOrNul(value)) {
        return false;
    }
    if (sectionName.empty() || sectionName.find(']') != std::string_view::npos)
        return false;
    if (keyName.empty() || keyName.find('=') != std::string_view::npos)
        return false;
    return keyName.front() != '[' && keyName.front() != ';' && keyName.front() != '#';
}

std::optional<std::size_t> IniDocument::findKey(std::string_view section,
                                                std::string_view key) const {
    section = trim(section);
    key = trim(key);
    bool inSection = false;
    for (std::size_t index = 0; index < lines_.size(); ++index) {
        const Line& line = lines_[index];
        if (line.kind == Kind::Section) {
            inSection = sameName(line.name, section);
        } else if (inSection && line.kind == Kind::Key && sameName(line.name, key)) {
            return index;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findSection(std::string_view section) const {
    section = trim(section);
    for (std::size_t index = 0; index < lines_.size(); ++index) {
        if (lines_[index].kind == Kind::Section && sameName(lines_[index].name, section)) {
            return index;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const auto index = findKey(section, key);
    if (!index)
        return std::nullopt;
    return cutValue(valueOf(lines_[*index].text));
}

std::optional<std::string> IniDocument::wholeValue(std::string_view section,
                                                   std::string_view key) const {
    const auto index = findKey(section, key);
    if (!index)
        return std::nullopt;
    return std::string(valueOf(lines_[*index].text));
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    if (!canWrite(section, key, value)) {
        throw std::invalid_argument("a settings key that cannot be written as one line");
    }
    if (const auto index = findKey(section, key)) {
        Line& line = lines_[*index];
        // An equal value leaves the line as the user wrote it, blanks and all.
        if (valueOf(line.text) == value)
            return false;
        line = classify(line.name + "=" + std::string(value));
        return true;
    }

    const std::string keyLine = std::string(trim(key)) + "=" + std::string(value);
    if (const auto header = findSection(section)) {
        std::size_t insertAt = *header + 1;
        for (std::size_t index = *header + 1;
             index < lines_.size() && lines_[index].kind != Kind::Section; ++index) {
            if (lines_[index].kind == Kind::Key)
                insertAt = index + 1;
        }
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), classify(keyLine));
        return true;
    }

    if (!lines_.empty() && lines_.back().kind != Kind::Blank)
        lines_.push_back(classify(""));
    lines_.push_back(classify("[" + std::string(trim(section)) + "]"));
    lines_.push_back(classify(keyLine));
    return true;
}

bool IniDocument::remove(std::string_view section, std::string_view key) {
    section = trim(section);
    key = trim(key);
    bool inSection = false;
    std::vector<Line> kept;
    kept.reserve(lines_.size());
    for (Line& line : lines_) {
        if (line.kind == Kind::Section)
            inSection = sameName(line.name, section);
        if (inSection && line.kind == Kind::Key && sameName(line.name, key))
            continue;
        kept.push_back(std::move(line));
    }
    const bool changed = kept.size() != lines_.size();
    lines_ = std::move(kept);
    return changed;
}

std::string IniDocument::serialise() const {
    std::size_t size = byteOrderMark_ ? kByteOrderMark.size() : 0;
    for (const Line& line : lines_)
        size += line.text.size() + 1;
    std::string text;
    text.reserve(size);
    if (byteOrderMark_)
        text += kByteOrderMark;
    for (const Line& line : lines_) {
        text += line.text;
        text += '\n';
    }
    return text;
}

}  // namespace korvane
