// korvane-cli clean, run as a program: each disposal option, the dry run, honest failures.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "support/RunProgram.h"
#include "support/TempTree.h"

namespace korvane {
namespace {

using test::ProgramResult;
using test::TempTree;

bool exists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

class CleanCommandTest : public testing::Test {
protected:
    CleanCommandTest() : settings(tree.path("settings.ini")) {
        tree.folder("home");
        tree.folder("junk/sub");
        junk = tree.path("junk");
        first = tree.file("junk/a.tmp", 1536);
        second = tree.file("junk/sub/b.TMP", 3000);
        kept = tree.file("junk/keep.txt", 10);
    }

    ProgramResult cli(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {KORVANE_CLI_PATH, "--settings", settings});
        return test::runProgram(
            arguments, {"HOME=" + tree.path("home"), "XDG_DATA_HOME=" + tree.path("home/data"),
                        "XDG_CONFIG_HOME=" + tree.path("home/config")});
    }

    ProgramResult clean(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "clean");
        return cli(arguments);
    }

    void setDeleteOption(const std::string& option) {
        ASSERT_EQ(cli({"config", "set", "Settings", "DeleteOption", option}).exitCode, 0);
    }

    TempTree tree;
    std::string settings;
    std::string junk, first, second, kept;
};

TEST_F(CleanCommandTest, DryRunListsAndDisposesOfNothing) {
    const ProgramResult result = clean({"--dry-run", "--pattern", "*.tmp", junk});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, junk + "/\ta.tmp\t2k\n" + junk + "/sub/\tb.TMP\t3k\nTotal Files: 5k\n");
    EXPECT_TRUE(exists(first));
    EXPECT_TRUE(exists(second));
}

TEST_F(CleanCommandTest, DeletesOnlyTheFoundFilesWhenTheKeyIsMissing) {
    const ProgramResult result = clean({"--pattern", "*.tmp", junk});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Space Cleaned: 5k\n");
    EXPECT_FALSE(exists(first));
    EXPECT_FALSE(exists(second));
    EXPECT_TRUE(exists(kept));
    EXPECT_FALSE(exists(tree.path("home/data/Trash")));
}

TEST_F(CleanCommandTest, TrashesWithOptionTwo) {
    setDeleteOption("2");
    const ProgramResult result = clean({"--pattern", "*.tmp", junk});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_FALSE(exists(first));
    EXPECT_TRUE(exists(tree.path("home/data/Trash/files/a.tmp")));
    EXPECT_TRUE(exists(tree.path("home/data/Trash/info/b.TMP.trashinfo")));
}

TEST_F(CleanCommandTest, MovesIntoTheGivenFolderCreatingIt) {
    setDeleteOption("3");
    const std::string folder = tree.path("moved/deeper");
    const ProgramResult result = clean({"--folder", folder, "--pattern", "*.tmp", junk});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(exists(folder + "/a.tmp"));
    EXPECT_TRUE(exists(folder + "/b.TMP"));
    EXPECT_FALSE(exists(first));
}

TEST_F(CleanCommandTest, MovesIntoTheDefaultFolderUnderHome) {
    setDeleteOption("3");
    const ProgramResult result = clean({"--pattern", "*.tmp", junk});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(exists(tree.path("home/Korvane/Cleaned/a.tmp")));
}

TEST_F(CleanCommandTest, AFailureIsReportedNotCountedAndTheFileStays) {
    setDeleteOption("3");
    const std::string notAFolder = tree.file("plain-file", 1);
    const ProgramResult result = clean({"--folder", notAFolder, "--pattern", "*.tmp", junk});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "Space Cleaned: 0k\n");
    EXPECT_NE(result.err.find(first + "\t"), std::string::npos) << result.err;
    EXPECT_TRUE(exists(first));
    EXPECT_TRUE(exists(second));
}

TEST_F(CleanCommandTest, BadCommandLines) {
    EXPECT_EQ(clean({"--folder"}).exitCode, 2);
    EXPECT_EQ(clean({"--bogus"}).exitCode, 2);
}

}  // namespace
}  // namespace korvane
