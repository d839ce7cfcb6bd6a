// The user's Trash as freedesktop.org's Trash specification 1.0 lays it out: the home trash
// for files on its own filesystem, and a trash at the top of any other volume.
#pragma once

#include <sys/types.h>

#include <mutex>
#include <optional>
#include <string>

#include "platform/Outcome.h"
#include "platform/linux/UniqueFd.h"

namespace korvane {

class Trash {
public:
    /// Moves the file (never a folder) into the trash of its volume under a name no earlier
    /// entry uses, after writing its .trashinfo file. On failure the file stays where it was.
    Outcome moveToTrash(const std::string& path);

    /// The home trash folder: $XDG_DATA_HOME/Trash, else ~/.local/share/Trash.
    static std::string homeTrashPath();

private:
    // An open trash: its files/ and info/ folders, and how Path= is written for it.
    struct Folder {
        UniqueFd files;
        UniqueFd info;
        dev_t device = 0;
        std::string topDirectory;  // empty for the home trash, whose paths are absolute
    };

    Outcome openHomeTrash(const std::string& trashPath);
    std::string realFolderOf(const std::string& folder);
    Outcome moveInto(Folder& folder, const std::string& source, const std::string& realPath,
                     const std::string& name);

    std::mutex mutex_;
    // The home trash stays open between files; a volume's trash is opened per file so that
    // the program never keeps a removable drive busy.
    std::optional<Folder> home_;
    std::string homePath_;
    // The folder resolved last, with its device and inode when it was resolved.
    std::string lastFolder_;
    std::string lastRealFolder_;
    dev_t lastFolderDevice_ = 0;
    ino_t lastFolderInode_ = 0;
};

}  // namespace korvane
