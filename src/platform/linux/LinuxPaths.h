// Small helpers on paths and system errors shared by the Linux file operations and the Trash.
#pragma once

#include <sys/types.h>

#include <string>

namespace korvane {

/// The error's text, e.g. "No such file or directory".
std::string systemError(int error);

/// The folder part of a path: "/a" for "/a/b", "/" for "/a", "." for "a".
std::string parentOf(const std::string& path);

/// The last component of a path.
std::string nameOf(const std::string& path);

/// The path with symbolic links and dots resolved, or empty when it cannot be resolved.
std::string realLocation(const std::string& path);

/// The process's current directory, without a final '/' except for "/".
std::string currentDirectory();

/// Creates the folder and its missing parents with the mode; 0 when the folder exists
/// afterwards, else the error (ENOTDIR when the path names something that is not a folder).
int makeFolders(const std::string& path, mode_t mode);

}  // namespace korvane
