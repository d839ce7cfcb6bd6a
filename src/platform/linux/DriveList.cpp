#include "platform/linux/DriveList.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>

namespace korvane {
namespace {

constexpr std::array kNetworkTypes = {
    std::string_view("nfs"),        std::string_view("nfs4"),
    std::string_view("cifs"),       std::string_view("smb3"),
    std::string_view("smbfs"),      std::string_view("ncpfs"),
    std::string_view("9p"),         std::string_view("ceph"),
    std::string_view("glusterfs"),  std::string_view("afs"),
    std::string_view("lustre"),     std::string_view("davfs"),
    std::string_view("fuse.sshfs"), std::string_view("fuse.rclone"),
    std::string_view("fuse.davfs"), std::string_view("fuse.glusterfs"),
    std::string_view("fuse.s3fs"),  std::string_view("sshfs"),
};

constexpr std::array kMemoryTypes = {std::string_view("tmpfs"), std::string_view("ramfs")};

// Filesystems on a block device that never appear as a /dev source in the table.
constexpr std::array kPoolTypes = {std::string_view("zfs"), std::string_view("bcachefs")};

// Filesystems that can sit on a /dev node and are still no drive of their own.
constexpr std::array kPseudoTypes = {
    std::string_view("proc"),   std::string_view("sysfs"),    std::string_view("devtmpfs"),
    std::string_view("devpts"), std::string_view("squashfs"), std::string_view("overlay"),
    std::string_view("autofs"), std::string_view("swap"),     std::string_view("mqueue"),
    std::string_view("cgroup"), std::string_view("cgroup2"),  std::string_view("debugfs"),
};

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& list, std::string_view value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string lowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

bool isUnderMediaFolder(const std::string& mountPoint) {
    return startsWith(mountPoint, "/media/") || startsWith(mountPoint, "/run/media/");
}

// The root of a system in a container can be an overlay or a memory filesystem; it is still c.
DriveType rootDriveType(const MountEntry& mount) {
    const std::optional<DriveType> type = classifyMount(mount);
    if (type) {
        return *type;
    }
    return contains(kMemoryTypes, mount.fsType) ? DriveType::RamDisk : DriveType::Fixed;
}

std::string rootWithSlash(const std::string& mountPoint) {
    return mountPoint.back() == '/' ? mountPoint : mountPoint + "/";
}

}  // namespace

std::optional<DriveType> classifyMount(const MountEntry& mount) {
    const std::string_view type = mount.fsType;
    if (contains(kNetworkTypes, type) || startsWith(type, "nfs")) {
        return DriveType::Remote;
    }
    if (contains(kPseudoTypes, type) || contains(kMemoryTypes, type)) {
        return std::nullopt;
    }
    if (type == "iso9660" || type == "udf" || startsWith(mount.source, "/dev/sr") ||
        startsWith(mount.source, "/dev/scd")) {
        return DriveType::CdRom;
    }
    if (startsWith(mount.source, "/dev/ram") || startsWith(mount.source, "/dev/zram")) {
        return DriveType::RamDisk;
    }
    if (startsWith(mount.source, "/dev/") || contains(kPoolTypes, type)) {
        return DriveType::Fixed;
    }
    return std::nullopt;
}

std::string driveCaption(char letter, DriveType type, const std::string& label,
                         const std::string& shareName) {
    std::string caption{letter, ':'};
    if (type == DriveType::Removable) {
        return caption;
    }
    if (type == DriveType::Remote && !shareName.empty()) {
        return caption + " " + lowerCase(shareName);
    }
    return caption + " [" + lowerCase(label) + "]";
}

std::string driveTypeName(DriveType type) {
    switch (type) {
        case DriveType::Removable:
            return "removable";
        case DriveType::Fixed:
            return "fixed";
        case DriveType::Remote:
            return "remote";
        case DriveType::CdRom:
            return "cdrom";
        case DriveType::RamDisk:
            return "ramdisk";
    }
    return "fixed";
}

std::vector<DriveRow> buildDriveList(const std::vector<MountEntry>& mounts,
                                     const DeviceFacts& facts) {
    // A later mount on "/" hides the earlier ones.
    const MountEntry* rootMount = nullptr;
    for (const MountEntry& mount : mounts) {
        if (mount.mountPoint == "/") {
            rootMount = &mount;
        }
    }

    // One mount per device: the shortest mount point, then the first in byte order.
    std::map<dev_t, const MountEntry*> byDevice;
    for (const MountEntry& mount : mounts) {
        if (mount.mountPoint == "/" || (rootMount && mount.device == rootMount->device)) {
            continue;
        }
        // A network share is always a folder; asking a hung server would block.
        const std::optional<DriveType> type = classifyMount(mount);
        if (!type || (*type != DriveType::Remote && !facts.mountsFolder(mount))) {
            continue;
        }
        auto [slot, inserted] = byDevice.try_emplace(mount.device, &mount);
        const std::string& kept = slot->second->mountPoint;
        if (!inserted && (mount.mountPoint.size() < kept.size() ||
                          (mount.mountPoint.size() == kept.size() && mount.mountPoint < kept))) {
            slot->second = &mount;
        }
    }
    std::vector<const MountEntry*> others;
    for (const auto& [device, mount] : byDevice) {
        others.push_back(mount);
    }
    std::sort(others.begin(), others.end(), [](const MountEntry* a, const MountEntry* b) {
        return a->mountPoint < b->mountPoint;
    });

    std::vector<DriveRow> rows;
    auto addRow = [&](char letter, const MountEntry& mount, DriveType type) {
        if (type == DriveType::Fixed &&
            (isUnderMediaFolder(mount.mountPoint) || facts.isRemovable(mount))) {
            type = DriveType::Removable;
        }
        std::string label;
        if (type != DriveType::Removable && type != DriveType::Remote) {
            label = facts.label(mount).value_or(std::string());
        }
        if (type == DriveType::Remote && mount.source.empty()) {
            label = facts.label(mount).value_or(std::string());
        }
        DriveRow row;
        row.drive.letter = letter;
        row.drive.caption = driveCaption(letter, type, label, mount.source);
        row.drive.mountPoint = rootWithSlash(mount.mountPoint);
        row.drive.type = type;
        row.device = mount.device;
        rows.push_back(std::move(row));
    };

    if (rootMount) {
        addRow('c', *rootMount, rootDriveType(*rootMount));
    }
    char letter = 'd';
    for (const MountEntry* mount : others) {
        if (letter > 'z') {
            break;
        }
        addRow(letter, *mount, *classifyMount(*mount));
        ++letter;
    }
    return rows;
}

}  // namespace korvane
