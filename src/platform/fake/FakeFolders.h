// Well-known folders for tests: a configuration folder and the three special folders inside
// a base folder the test owns, created on construction.
#pragma once

#include <string>

#include "platform/Folders.h"

namespace korvane {

class FakeFolders : public Folders {
public:
    /// Uses <base>/config, <base>/Temp/, <base>/Temporary Internet Files/ and <base>/Cookies/,
    /// creating the folders that do not exist.
    explicit FakeFolders(const std::string& baseDirectory);

    /// Replaces a built-in special folder (a final '/' is added when missing); not created.
    void setBuiltInFolder(SpecialFolder folder, std::string path);
    /// Replaces the current directory reported (a final '/' is added when missing).
    void setCurrentDirectory(std::string path);

    std::string configDirectory() const override { return configDirectory_; }
    std::string settingsFile() const override { return configDirectory_ + "/KRVANE.INI"; }
    std::string builtInFolder(SpecialFolder folder) const override;
    /// The directory set by setCurrentDirectory, else the process's own.
    std::string currentDirectory() const override;
    /// <base>/Cleaned, not created.
    std::string movedFilesFolder() const override { return movedFilesFolder_; }

private:
    std::string configDirectory_;
    std::string temp_;
    std::string cache_;
    std::string cookies_;
    std::string currentDirectory_;
    std::string movedFilesFolder_;
};

}  // namespace korvane
