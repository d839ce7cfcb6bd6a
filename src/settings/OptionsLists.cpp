// The list values of the settings file. Values read back at most IniDocument::kMaxValueLength
// characters, so the save never writes a longer list and the load never trusts a cut end.
#include "settings/OptionsLists.h"

#include "settings/IniDocument.h"
#include "settings/WholeNumber.h"

namespace korvane {
namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool isCutLength(std::string_view value) {
    return value.size() >= IniDocument::kMaxValueLength;
}

// Appends the entry when the whole value still fits the length a read gives back.
bool appendWhole(std::string& value, const std::string& entry) {
    if (value.size() + entry.size() > IniDocument::kMaxValueLength)
        return false;
    value += entry;
    return true;
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> listEntries(std::string_view value) {
    std::vector<std::string_view> entries;
    const bool cut = isCutLength(value);
    while (!value.empty()) {
        const std::size_t comma = value.find(',');
        if (comma == std::string_view::npos) {
            if (!cut)
                entries.push_back(value);
            break;
        }
        entries.push_back(value.substr(0, comma));
        value.remove_prefix(comma + 1);
    }
    return entries;
}

std::vector<int> parseDriveList(std::string_view value) {
    std::vector<int> positions;
    for (const std::string_view entry : listEntries(value))
        positions.push_back(readWholeNumber(entry));
    return positions;
}

std::vector<PatternOption> parsePatternList(std::string_view value) {
    const std::vector<std::string_view> entries = listEntries(value);
    std::size_t count = entries.size();
    // A cut value that ends after a caption has lost that caption's flag, and maybe more of it.
    if (isCutLength(value) && count % 2 == 1)
        --count;
    std::vector<PatternOption> rows;
    for (std::size_t i = 0; i < count; i += 2) {
        PatternOption row{std::string(entries[i]), false};
        if (i + 1 < count)
            row.ticked = !entries[i + 1].empty() && entries[i + 1].front() == '1';
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string buildDriveList(const std::vector<int>& positions) {
    std::string value;
    for (const int position : positions) {
        if (!appendWhole(value, std::to_string(position) + ","))
            break;
    }
    return value;
}

std::string buildPatternList(const std::vector<PatternOption>& patterns) {
    std::string value;
    for (const PatternOption& row : patterns) {
        if (!appendWhole(value, row.pattern + (row.ticked ? ",1," : ",0,")))
            break;
    }
    return value;
}

}  // namespace korvane
