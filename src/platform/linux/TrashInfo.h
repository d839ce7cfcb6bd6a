// The texts of a Trash entry: the .trashinfo file with its encoded path and deletion date,
// and the entry's name inside the Trash.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace korvane {

/// The path as the Path= key holds it: every byte outside the unreserved characters of
/// RFC 2396 (letters, digits and -_.!~*'()) escaped as %XX, with '/' kept.
std::string encodeTrashInfoPath(std::string_view path);

/// The DeletionDate= value: YYYY-MM-DDThh:mm:ss in local time.
std::string formatDeletionDate(std::time_t when);

/// The whole .trashinfo file for an encoded path and a deletion date.
std::string trashInfoText(std::string_view encodedPath, std::string_view deletionDate);

/// The entry's name in the Trash: the file's name with the suffix (e.g. "" or ".2") after it,
/// the name cut short at a character boundary where needed so that the name with ".trashinfo"
/// still fits a file name of 255 bytes.
std::string trashEntryName(std::string_view name, std::string_view suffix);

}  // namespace korvane
