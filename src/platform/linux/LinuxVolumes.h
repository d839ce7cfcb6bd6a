// The drives of a Linux machine: mounted volumes a user recognises as drives, with letters.
#pragma once

#include <functional>
#include <vector>

#include "platform/Volumes.h"
#include "platform/linux/DriveList.h"

namespace korvane {

class LinuxVolumes : public Volumes {
public:
    /// Reads the drive list once from the process's mount table and the system's devices.
    LinuxVolumes();
    /// A drive list built from given rows, with the mount table read by readMounts when a
    /// path's drive is asked for.
    LinuxVolumes(std::vector<DriveRow> rows, std::function<std::vector<MountEntry>()> readMounts);

    std::vector<Drive> drives() const override;
    std::string driveRoot(int driveNumber) const override;
    std::optional<std::uint64_t> freeBytes(int driveNumber) const override;
    int driveNumberOf(const std::string& path) const override;

private:
    const DriveRow* rowOf(int driveNumber) const;

    std::vector<DriveRow> rows_;
    std::function<std::vector<MountEntry>()> readMounts_;
};

}  // namespace korvane
