// The well-known folders on Linux, from the XDG base-directory variables.
#pragma once

#include "platform/Folders.h"

namespace korvane {

class LinuxFolders : public Folders {
public:
    std::string configDirectory() const override;
    std::string settingsFile() const override;
    std::string builtInFolder(SpecialFolder folder) const override;
    std::string currentDirectory() const override;
    std::string movedFilesFolder() const override;
};

}  // namespace korvane
