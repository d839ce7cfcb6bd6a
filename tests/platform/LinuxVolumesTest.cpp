// The drives of the running system: free space, roots and which drive holds a path.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <filesystem>

#include "ScratchFolder.h"
#include "platform/linux/LinuxVolumes.h"
#include "platform/linux/MountTable.h"

namespace korvane {
namespace {

dev_t deviceOf(const std::string& path) {
    struct stat status {};
    stat(path.c_str(), &status);
    return status.st_dev;
}

DriveRow row(char letter, const std::string& mountPoint) {
    DriveRow row;
    row.drive.letter = letter;
    row.drive.caption = std::string{letter, ':'} + " []";
    row.drive.mountPoint = mountPoint == "/" ? mountPoint : mountPoint + "/";
    row.device = deviceOf(mountPoint);
    return row;
}

TEST(LinuxVolumesTest, TheSystemListStartsWithTheRootAsC) {
    const std::vector<Drive> drives = LinuxVolumes().drives();
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives.front().letter, 'c');
    EXPECT_EQ(drives.front().mountPoint, "/");
    EXPECT_TRUE(drives.front().caption.starts_with("c:"));
    for (const Drive& drive : drives) {
        SCOPED_TRACE(drive.caption);
        EXPECT_EQ(drive.caption.front(), drive.letter);
        EXPECT_TRUE(drive.mountPoint.ends_with("/"));
    }
}

TEST(LinuxVolumesTest, FreeBytesAreWhatAnUnprivilegedUserMayWrite) {
    testing::ScratchFolder scratch;
    const LinuxVolumes volumes(
        {row('c', "/"), row('d', scratch.path()), row('e', scratch / "gone")}, readMountTable);

    struct statvfs status {};
    ASSERT_EQ(statvfs(scratch.path().c_str(), &status), 0);
    const std::uint64_t expected = std::uint64_t{status.f_bavail} * status.f_frsize;
    const std::optional<std::uint64_t> free = volumes.freeBytes(4);
    ASSERT_TRUE(free.has_value());
    // Other programs write meanwhile; the figure must still be the same order of size.
    EXPECT_NEAR(static_cast<double>(*free), static_cast<double>(expected), 256.0 * 1024 * 1024);

    EXPECT_EQ(volumes.freeBytes(5), std::nullopt);  // its folder does not exist
    EXPECT_EQ(volumes.freeBytes(26), std::nullopt);
    EXPECT_EQ(volumes.driveRoot(4), scratch.path() + "/");
    EXPECT_EQ(volumes.driveRoot(6), "");
}

TEST(LinuxVolumesTest, FreeBytesOfAFreshVolumeAreExact) {
    testing::ScratchFolder scratch;
    const std::string volume = scratch.mountSmallVolume("volume");
    if (volume.empty()) {
        GTEST_SKIP() << "mounting a memory filesystem is not allowed here";
    }
    const LinuxVolumes volumes({row('c', "/"), row('d', volume)}, readMountTable);
    EXPECT_EQ(volumes.freeBytes(4), std::uint64_t{4} * 1024 * 1024);
    scratch.write("volume/one-megabyte", std::string(1024 * 1024, 'm'));
    EXPECT_EQ(volumes.freeBytes(4), std::uint64_t{3} * 1024 * 1024);
}

TEST(LinuxVolumesTest, FindsTheDriveThatHoldsAPath) {
    testing::ScratchFolder scratch;
    const std::string volume = scratch.mountSmallVolume("volume");
    if (volume.empty()) {
        GTEST_SKIP() << "mounting a memory filesystem is not allowed here";
    }
    scratch.write("volume/inside/file", "x");
    std::filesystem::create_directory_symlink(volume + "/inside", scratch / "shortcut");
    const LinuxVolumes withVolume({row('c', "/"), row('d', volume)}, readMountTable);
    const LinuxVolumes withoutVolume({row('c', "/")}, readMountTable);

    struct Case {
        std::string path;
        int withVolume;
        int withoutVolume;
    };
    const Case cases[] = {
        {scratch.path(), 3, 3},
        {scratch / "not/yet/there", 3, 3},
        {volume, 4, 0},
        {volume + "/inside/file", 4, 0},
        {volume + "/missing/deeper", 4, 0},
        {scratch / "shortcut/file", 4, 0},
        {"relative/path", 0, 0},
        {"", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(withVolume.driveNumberOf(c.path), c.withVolume);
        EXPECT_EQ(withoutVolume.driveNumberOf(c.path), c.withoutVolume);
    }
}

}  // namespace
}  // namespace korvane
