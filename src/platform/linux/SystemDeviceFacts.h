// Device facts read from the running system: labels from /dev/disk/by-label or udev's
// database, removable media from /sys.
#pragma once

#include "platform/linux/DriveList.h"

namespace korvane {

class SystemDeviceFacts : public DeviceFacts {
public:
    std::optional<std::string> label(const MountEntry& mount) const override;
    bool isRemovable(const MountEntry& mount) const override;
    bool mountsFolder(const MountEntry& mount) const override;
};

/// Undoes udev's \xHH escapes in a /dev/disk/by-label name.
std::string unescapeUdevName(const std::string& name);

}  // namespace korvane
