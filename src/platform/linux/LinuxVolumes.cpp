#include "platform/linux/LinuxVolumes.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <climits>
#include <cstdlib>
#include <memory>

#include "platform/linux/SystemDeviceFacts.h"

namespace korvane {
namespace {

int driveNumberOfLetter(char letter) {
    return letter - 'a' + 1;
}

bool isUnder(const std::string& path, const std::string& mountPoint) {
    if (mountPoint == "/") {
        return true;
    }
    return path.starts_with(mountPoint) &&
           (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

std::string realLocation(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr),
                                                         &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

// The real location of a path that may not exist yet: its nearest existing folder resolved,
// with the rest of the path added back.
std::string realLocationOfNearest(const std::string& path, std::string& existing) {
    std::string head = path;
    std::string tail;
    for (;;) {
        const std::string real = realLocation(head);
        if (!real.empty()) {
            existing = real;
            if (tail.empty()) {
                return real;
            }
            return real == "/" ? real + tail : real + "/" + tail;
        }
        const std::size_t slash = head.find_last_of('/');
        if (head == "/" || slash == std::string::npos) {
            return {};
        }
        const std::string name = head.substr(slash + 1);
        if (!name.empty()) {
            tail = tail.empty() ? name : name + "/" + tail;
        }
        head = slash == 0 ? std::string("/") : head.substr(0, slash);
    }
}

}  // namespace

LinuxVolumes::LinuxVolumes()
    : LinuxVolumes(buildDriveList(readMountTable(), SystemDeviceFacts()), readMountTable) {}

LinuxVolumes::LinuxVolumes(std::vector<DriveRow> rows,
                           std::function<std::vector<MountEntry>()> readMounts)
    : rows_(std::move(rows)), readMounts_(std::move(readMounts)) {}

std::vector<Drive> LinuxVolumes::drives() const {
    std::vector<Drive> drives;
    drives.reserve(rows_.size());
    for (const DriveRow& row : rows_) {
        drives.push_back(row.drive);
    }
    return drives;
}

const DriveRow* LinuxVolumes::rowOf(int driveNumber) const {
    for (const DriveRow& row : rows_) {
        if (driveNumberOfLetter(row.drive.letter) == driveNumber) {
            return &row;
        }
    }
    return nullptr;
}

std::string LinuxVolumes::driveRoot(int driveNumber) const {
    const DriveRow* row = rowOf(driveNumber);
    return row ? row->drive.mountPoint : std::string();
}

std::optional<std::uint64_t> LinuxVolumes::freeBytes(int driveNumber) const {
    const DriveRow* row = rowOf(driveNumber);
    struct statvfs status {};
    if (row == nullptr || statvfs(row->drive.mountPoint.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(status.f_bavail) * status.f_frsize;
}

int LinuxVolumes::driveNumberOf(const std::string& path) const {
    if (path.empty() || path.front() != '/') {
        return 0;
    }
    std::string existing;
    const std::string real = realLocationOfNearest(path, existing);
    if (real.empty()) {
        return 0;
    }
    // Where the path exists, its device names the drive even past bind mounts and over-mounts.
    struct stat status {};
    if (stat(existing.c_str(), &status) == 0) {
        for (const DriveRow& row : rows_) {
            if (row.device == status.st_dev) {
                return driveNumberOfLetter(row.drive.letter);
            }
        }
    }
    // Otherwise the mount with the longest mount point above the path; a later mount on the
    // same point hides an earlier one.
    const std::vector<MountEntry> mounts = readMounts_ ? readMounts_() : std::vector<MountEntry>();
    const MountEntry* holder = nullptr;
    for (const MountEntry& mount : mounts) {
        if (isUnder(real, mount.mountPoint) &&
            (holder == nullptr || mount.mountPoint.size() >= holder->mountPoint.size())) {
            holder = &mount;
        }
    }
    if (holder == nullptr) {
        return 0;
    }
    for (const DriveRow& row : rows_) {
        if (row.device == holder->device) {
            return driveNumberOfLetter(row.drive.letter);
        }
    }
    return 0;
}

}  // namespace korvane
