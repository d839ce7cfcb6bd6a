// The list values of the settings file. They are read whole, however long (the other values
// read back at most 1023 characters), so a long pattern list is never cut.
#include "settings/OptionsLists.h"

#include "settings/WholeNumber.h"

namespace korvane {
namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
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
    while (!value.empty()) {
        const std::size_t comma = value.find(',');
        if (comma == std::string_view::npos) {
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
    std::vector<PatternOption> rows;
    for (std::size_t i = 0; i < entries.size(); i += 2) {
        PatternOption row{std::string(entries[i]), false};
        if (i + 1 < entries.size())
            row.ticked = !entries[i + 1].empty() && entries[i + 1].front() == '1';
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string buildDriveList(const std::vector<int>& positions) {
    std::string value;
    for (const int position : positions)
        value += std::to_string(position) + ",";
    return value;
}

std::string buildPatternList(const std::vector<PatternOption>& patterns) {
    std::string value;
    for (const PatternOption& row : patterns)
        value += row.pattern + (row.ticked ? ",1," : ",0,");
    return value;
}

}  // namespace korvane
