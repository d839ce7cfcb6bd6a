// Disposal of one file on Linux: unlink, the freedesktop.org Trash, or a move into a folder
// that also works across filesystems.
#pragma once

#include "platform/FileOperations.h"
#include "platform/linux/Trash.h"

namespace korvane {

class LinuxFileOperations : public FileOperations {
public:
    Outcome deleteFile(const std::string& path) override;
    Outcome moveToTrash(const std::string& path) override;
    Outcome moveIntoFolder(const std::string& path, const std::string& folder) override;

private:
    Trash trash_;
};

}  // namespace korvane
