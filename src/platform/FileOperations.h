// Disposal of one file: permanent deletion, the Trash, or a move into a folder.
// Each operation leaves the file where it was when it fails, and says why.
#pragma once

#include <string>

#include "platform/Outcome.h"

namespace korvane {

class FileOperations {
public:
    virtual ~FileOperations() = default;

    /// Deletes the file for good.
    virtual Outcome deleteFile(const std::string& path) = 0;
    /// Moves the file into the user's Trash, from which it can be restored.
    virtual Outcome moveToTrash(const std::string& path) = 0;
    /// Moves the file into the folder under its own name, replacing a file of that name there;
    /// creates the folder with its parents when it does not exist.
    virtual Outcome moveIntoFolder(const std::string& path, const std::string& folder) = 0;
};

}  // namespace korvane
