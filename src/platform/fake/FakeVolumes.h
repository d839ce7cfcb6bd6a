// Drives for tests: each drive letter is mapped to a chosen folder, with a chosen caption,
// type and free space (or free space that cannot be read).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Volumes.h"

namespace korvane {

class FakeVolumes : public Volumes {
public:
    /// Adds a drive row; the root gets a final '/' when it has none. The caption defaults to
    /// the letter, ":" and the root in brackets.
    void addDrive(char letter, std::string root, std::optional<std::uint64_t> freeBytes = {},
                  std::string caption = {}, DriveType type = DriveType::Fixed);
    /// Changes the free space of a drive; nothing means it cannot be read.
    void setFreeBytes(char letter, std::optional<std::uint64_t> freeBytes);

    std::vector<Drive> drives() const override;
    std::string driveRoot(int driveNumber) const override;
    std::optional<std::uint64_t> freeBytes(int driveNumber) const override;
    /// The drive whose root is the longest leading part of the path, or 0.
    int driveNumberOf(const std::string& path) const override;

private:
    struct FakeDrive {
        Drive drive;
        std::optional<std::uint64_t> freeBytes;
    };
    const FakeDrive* find(int driveNumber) const;

    std::vector<FakeDrive> drives_;
};

}  // namespace korvane
