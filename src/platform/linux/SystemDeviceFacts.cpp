#include "platform/linux/SystemDeviceFacts.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cctype>
#include <fstream>

namespace korvane {
namespace {

// The block device behind a mount: the node's device number for a /dev source, else the
// mounted filesystem's own number.
dev_t blockDevice(const MountEntry& mount) {
    struct stat status {};
    if (mount.source.starts_with("/dev/") && stat(mount.source.c_str(), &status) == 0 &&
        S_ISBLK(status.st_mode)) {
        return status.st_rdev;
    }
    return mount.device;
}

std::string deviceNumberText(dev_t device) {
    return std::to_string(major(device)) + ":" + std::to_string(minor(device));
}

std::optional<std::string> labelFromByLabel(dev_t device) {
    const std::string folder = "/dev/disk/by-label";
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) {
        return std::nullopt;
    }
    std::optional<std::string> label;
    while (const dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        struct stat status {};
        if (stat((folder + "/" + name).c_str(), &status) == 0 && S_ISBLK(status.st_mode) &&
            status.st_rdev == device) {
            label = unescapeUdevName(name);
            break;
        }
    }
    closedir(directory);
    return label;
}

std::optional<std::string> labelFromUdevDatabase(dev_t device) {
    std::ifstream data("/run/udev/data/b" + deviceNumberText(device));
    std::string line;
    std::optional<std::string> plain;
    while (std::getline(data, line)) {
        if (line.starts_with("E:ID_FS_LABEL_ENC=")) {
            return unescapeUdevName(line.substr(18));
        }
        if (line.starts_with("E:ID_FS_LABEL=")) {
            plain = line.substr(14);
        }
    }
    return plain;
}

bool readsOne(const std::string& file) {
    std::ifstream input(file);
    std::string value;
    return static_cast<bool>(input >> value) && value == "1";
}

}  // namespace

std::string unescapeUdevName(const std::string& name) {
    std::string text;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' &&
            std::isxdigit(static_cast<unsigned char>(name[i + 2])) &&
            std::isxdigit(static_cast<unsigned char>(name[i + 3]))) {
            text += static_cast<char>(std::stoi(name.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            text += name[i];
        }
    }
    return text;
}

std::optional<std::string> SystemDeviceFacts::label(const MountEntry& mount) const {
    const dev_t device = blockDevice(mount);
    if (std::optional<std::string> label = labelFromByLabel(device)) {
        return label;
    }
    return labelFromUdevDatabase(device);
}

bool SystemDeviceFacts::isRemovable(const MountEntry& mount) const {
    // /sys/dev/block/M:m is the partition or the whole disk; a partition's disk is its parent.
    const std::string node = "/sys/dev/block/" + deviceNumberText(blockDevice(mount));
    if (access((node + "/partition").c_str(), F_OK) == 0) {
        return readsOne(node + "/../removable");
    }
    return readsOne(node + "/removable");
}

bool SystemDeviceFacts::mountsFolder(const MountEntry& mount) const {
    struct stat status {};
    return stat(mount.mountPoint.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace korvane
