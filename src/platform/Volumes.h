// The drives the user can tick: mounted volumes with letters, their roots and free space.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

enum class DriveType { Removable, Fixed, Remote, CdRom, RamDisk };

/// One row of the drive list.
struct Drive {
    char letter = 'c';       ///< lower-case drive letter, 'a' to 'z'
    std::string caption;     ///< the row's caption, e.g. "c: [system]"; begins with the letter
    std::string mountPoint;  ///< the drive's root folder, ending in '/'
    DriveType type = DriveType::Fixed;
};

/// Drive numbers run from 1 for 'a' to 26 for 'z'.
class Volumes {
public:
    virtual ~Volumes() = default;

    /// The drive rows in the order the drive list shows them, which is the same at every start.
    virtual std::vector<Drive> drives() const = 0;
    /// The root folder of a drive number, ending in '/', or empty when no drive has that number.
    virtual std::string driveRoot(int driveNumber) const = 0;
    /// The bytes an unprivileged user may still write on the drive, or nothing when unreadable.
    virtual std::optional<std::uint64_t> freeBytes(int driveNumber) const = 0;
    /// The number of the drive whose volume holds the path, or 0 when no drive holds it.
    virtual int driveNumberOf(const std::string& path) const = 0;
};

}  // namespace korvane
