// Building the drive list from the mount table: which mounts are drives, their letters,
// types and captions.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Volumes.h"
#include "platform/linux/MountTable.h"

namespace korvane {

/// What the drive list needs to know of a mounted device beyond the mount table.
class DeviceFacts {
public:
    virtual ~DeviceFacts() = default;

    /// The filesystem's label as stored on the volume, or nothing when it cannot be read.
    virtual std::optional<std::string> label(const MountEntry& mount) const = 0;
    /// Whether the device is removable media (a USB stick, a memory card).
    virtual bool isRemovable(const MountEntry& mount) const = 0;
    /// Whether the mount point is a folder; a bind mount of a single file is no drive.
    virtual bool mountsFolder(const MountEntry& mount) const = 0;
};

/// A drive row with the device it stands for.
struct DriveRow {
    Drive drive;
    dev_t device = 0;
};

/// The kind of drive a mount is, or nothing when it is no drive (pseudo or memory filesystems).
std::optional<DriveType> classifyMount(const MountEntry& mount);

/// The drive rows: "c" for the volume holding "/", then "d" to "z" in the order of their
/// mount points; one row per device, at its shortest mount point.
std::vector<DriveRow> buildDriveList(const std::vector<MountEntry>& mounts,
                                     const DeviceFacts& facts);

/// The row caption: the letter, ":", and by type the label in brackets or the share name.
std::string driveCaption(char letter, DriveType type, const std::string& label,
                         const std::string& shareName);

/// The type's word in the command-line program's listing: fixed, removable, remote, cdrom, ramdisk.
std::string driveTypeName(DriveType type);

}  // namespace korvane
