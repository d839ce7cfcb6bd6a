// The kernel's table of mounts (/proc/self/mountinfo), read into plain rows.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

/// One mount as /proc/self/mountinfo lists it, with its escapes undone.
struct MountEntry {
    dev_t device = 0;        ///< the major:minor pair of the mounted filesystem
    std::string root;        ///< the folder of the filesystem that is mounted, "/" for all of it
    std::string mountPoint;  ///< where it is mounted, without a final '/' except for "/"
    std::string fsType;      ///< e.g. "ext4", "nfs4", "fuse.sshfs"
    std::string source;      ///< e.g. "/dev/sda1", "//server/share", "server:/export"
};

/// The rows of a mountinfo text in the order listed; lines that do not parse are passed over.
std::vector<MountEntry> parseMountInfo(std::string_view text);

/// The mounts of the running process, or none when /proc/self/mountinfo cannot be read.
std::vector<MountEntry> readMountTable();

/// Undoes the octal escapes (\040 for a blank, \011, \012, \134) of a mountinfo field.
std::string unescapeMountField(std::string_view field);

}  // namespace korvane
