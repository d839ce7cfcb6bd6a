// Whole-file reading and atomic replacement of a small text file: the file on disk is always
// either the old one or the new one.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

struct FileContents {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    std::string text;  ///< the bytes read; empty unless Read
};

/// Reads the whole file. A missing file (or folder) is Missing; anything else that cannot be
/// read, a folder or a device included, is Unreadable.
FileContents readFileContents(const std::string& path);

/// Replaces the file with `contents`: a temporary file in the same folder, written, synced and
/// renamed over the old one, then the folder synced. Creates the folder and its parents (0700)
/// when missing; keeps the old file's permissions, a new file gets 0600. Returns false on any
/// failure, leaving the old file whole and no temporary file behind.
bool replaceFileAtomically(const std::string& path, std::string_view contents);

}  // namespace korvane
