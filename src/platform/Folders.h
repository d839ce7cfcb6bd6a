// The well-known folders: the configuration folder that holds the settings file, and the
// built-in special folders that a scan empties.
#pragma once

#include <string>

namespace korvane {

enum class SpecialFolder { Temp, InternetCache, Cookies };

class Folders {
public:
    virtual ~Folders() = default;

    /// The program's configuration folder (it stands in for the Windows directory), no final '/'.
    virtual std::string configDirectory() const = 0;
    /// The full path of the settings file KRVANE.INI inside the configuration folder.
    virtual std::string settingsFile() const = 0;
    /// The built-in folder of a special folder, ending in '/'.
    virtual std::string builtInFolder(SpecialFolder folder) const = 0;
    /// The process's current directory, ending in '/'.
    virtual std::string currentDirectory() const = 0;
    /// The folder into which "Move Them To This Folder:" moves files until the user picks
    /// another: the folder box's text at every start. No final '/'.
    virtual std::string movedFilesFolder() const = 0;
};

}  // namespace korvane
