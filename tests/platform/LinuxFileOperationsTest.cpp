// Disposal of one file on Linux: deletion, moves into a folder on the same and on another
// filesystem, and the failures that must leave the file where it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "ScratchFolder.h"
#include "platform/linux/LinuxFileOperations.h"

namespace korvane {
namespace {

using testing::exists;
using testing::readFile;

class LinuxFileOperationsTest : public ::testing::Test {
protected:
    testing::ScratchFolder scratch;
    LinuxFileOperations files;
};

TEST_F(LinuxFileOperationsTest, DeletesFilesAndLinksButNeverFoldersOrTargets) {
    const std::string file = scratch.write("a.tmp");
    const std::string target = scratch.write("target.txt", "kept");
    const std::string link = scratch / "link.tmp";
    std::filesystem::create_symlink(target, link);
    std::filesystem::create_directories(scratch / "folder.tmp");

    EXPECT_TRUE(files.deleteFile(file).ok());
    EXPECT_FALSE(exists(file));
    EXPECT_TRUE(files.deleteFile(link).ok());
    EXPECT_FALSE(exists(link));
    EXPECT_EQ(readFile(target), "kept");

    const Outcome folder = files.deleteFile(scratch / "folder.tmp");
    EXPECT_FALSE(folder.ok());
    EXPECT_TRUE(exists(scratch / "folder.tmp"));
    const Outcome missing = files.deleteFile(file);
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.reason().find(file), std::string::npos);
    EXPECT_NE(missing.reason().find("No such file"), std::string::npos) << missing.reason();
}

TEST_F(LinuxFileOperationsTest, MovesIntoAFolderItCreatesAndReplacesAFileOfTheSameName) {
    const std::string first = scratch.write("one/x.log", "first");
    const std::string second = scratch.write("two/x.log", "second");
    const std::string folder = scratch / "cleaned/nested/";

    ASSERT_TRUE(files.moveIntoFolder(first, folder).ok());
    EXPECT_EQ(readFile(scratch / "cleaned/nested/x.log"), "first");
    const Outcome outcome = files.moveIntoFolder(second, folder);
    ASSERT_TRUE(outcome.ok()) << outcome.reason();

    EXPECT_EQ(readFile(scratch / "cleaned/nested/x.log"), "second");
    EXPECT_FALSE(exists(first));
    EXPECT_FALSE(exists(second));
}

TEST_F(LinuxFileOperationsTest, RefusedMovesLeaveTheFileInPlace) {
    scratch.write("plain", "a file, not a folder");
    std::filesystem::create_directories(scratch / "target/x.log");
    struct Case {
        const char* what;
        std::string folder;
        std::string reasonPart;
    };
    const Case cases[] = {
        {"the folder path is a file", scratch / "plain", "cannot be created"},
        {"the folder path runs through a file", scratch / "plain/sub", "cannot be created"},
        {"a folder of the file's name is there", scratch / "target", "a folder named x.log"},
        {"no folder chosen", "", "no folder"},
    };
    const std::string file = scratch.write("x.log", "stays");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome outcome = files.moveIntoFolder(file, c.folder);
        EXPECT_FALSE(outcome.ok());
        EXPECT_NE(outcome.reason().find(c.reasonPart), std::string::npos) << outcome.reason();
        EXPECT_EQ(readFile(file), "stays");
    }
    EXPECT_TRUE(std::filesystem::is_directory(scratch / "target/x.log"));
    EXPECT_FALSE(files.moveIntoFolder(scratch / "missing.log", scratch / "target").ok());
}

TEST_F(LinuxFileOperationsTest, MovesAcrossFilesystemsByCopyThenRemoval) {
    const std::string volume = scratch.mountSmallVolume("volume");
    if (volume.empty()) {
        GTEST_SKIP() << "mounting a memory filesystem is not allowed here";
    }
    const std::string file = scratch.write("data.bin", std::string(300000, 'd'));
    chmod(file.c_str(), 0640);
    const std::filesystem::file_time_type modified = std::filesystem::last_write_time(file);
    scratch.write("volume/moved/data.bin", "older copy");

    const Outcome outcome = files.moveIntoFolder(file, volume + "/moved");

    ASSERT_TRUE(outcome.ok()) << outcome.reason();
    EXPECT_FALSE(exists(file));
    const std::string moved = volume + "/moved/data.bin";
    EXPECT_EQ(readFile(moved), std::string(300000, 'd'));
    struct stat status {};
    ASSERT_EQ(stat(moved.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(std::filesystem::last_write_time(moved), modified);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(volume + "/moved"),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(LinuxFileOperationsTest, AFailedCopyAcrossFilesystemsLeavesNoTraceButTheSource) {
    const std::string volume = scratch.mountSmallVolume("volume");
    if (volume.empty()) {
        GTEST_SKIP() << "mounting a memory filesystem is not allowed here";
    }
    // Larger than the 4 MB volume.
    const std::string contents(5 * 1024 * 1024, 'b');
    const std::string file = scratch.write("big.bin", contents);
    scratch.write("volume/big.bin", "earlier");

    const Outcome outcome = files.moveIntoFolder(file, volume);

    EXPECT_FALSE(outcome.ok());
    EXPECT_NE(outcome.reason().find("No space left"), std::string::npos) << outcome.reason();
    EXPECT_EQ(readFile(file), contents);
    EXPECT_EQ(readFile(volume + "/big.bin"), "earlier");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(volume),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace korvane
