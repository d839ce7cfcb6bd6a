// The two list values of the settings file, Drives ("1,2,") and ScanFor ("*.tmp,1,*.bak,0,"):
// splitting them into entries and building them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/Options.h"

namespace korvane {

/// The text without the blanks and control characters around it.
std::string_view trimBlanks(std::string_view text);

/// The entries of a list value, each the text before its comma; a last entry without a final
/// comma (a hand-edited file) counts as an entry.
std::vector<std::string_view> listEntries(std::string_view value);

/// The drive positions of a Drives value; throws UserError for an entry that is not a whole
/// number.
std::vector<int> parseDriveList(std::string_view value);

/// The rows of a ScanFor value: a caption entry, then a flag entry that ticks the row when its
/// first character is "1".
std::vector<PatternOption> parsePatternList(std::string_view value);

/// The Drives value of the ticked positions, each followed by ",".
std::string buildDriveList(const std::vector<int>& positions);

/// The ScanFor value of the rows, each "pattern,1," or "pattern,0,".
std::string buildPatternList(const std::vector<PatternOption>& patterns);

}  // namespace korvane
