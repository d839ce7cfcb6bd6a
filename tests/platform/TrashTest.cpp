// The Trash: entries in the home trash with their info files, unique names, a volume's own
// trash, refusals that leave the file in place, and a check against trash-cli where installed.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <regex>

#include "ScratchFolder.h"
#include "platform/linux/LinuxPaths.h"
#include "platform/linux/Trash.h"
#include "platform/linux/TrashInfo.h"

namespace korvane {
namespace {

using testing::exists;
using testing::readFile;

TEST(TrashInfoTest, EncodesPathBytesOutsideTheUnreservedSet) {
    struct Case {
        std::string path;
        std::string encoded;
    };
    const Case cases[] = {
        {"/home/ann/report.txt", "/home/ann/report.txt"},
        {"/a b/c%d", "/a%20b/c%25d"},
        {"/\xC3\xBC\x62\xFF", "/%C3%BCb%FF"},
        {"/x-_.!~*'()y", "/x-_.!~*'()y"},
        {"/q?#[]&=+$,;:@\\\"\n", "/q%3F%23%5B%5D%26%3D%2B%24%2C%3B%3A%40%5C%22%0A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(encodeTrashInfoPath(c.path), c.encoded);
    }
}

TEST(TrashInfoTest, EntryNamesFitWithTheInfoExtension) {
    EXPECT_EQ(trashEntryName("a.log", ""), "a.log");
    EXPECT_EQ(trashEntryName("a.log", ".2"), "a.log.2");
    // Two-byte characters past the room: the cut may not split one.
    std::string wide = "x";
    for (int i = 0; i < 130; ++i) {
        wide += "\xC3\xBC";
    }
    const std::string entry = trashEntryName(wide, ".17");
    EXPECT_LE(entry.size() + std::string(".trashinfo").size(), 255u);
    EXPECT_TRUE(entry.ends_with("\xC3\xBC.17")) << entry;
}

class TrashTest : public ::testing::Test {
protected:
    testing::ScratchFolder scratch;
    testing::ScopedEnvironment dataHome{"XDG_DATA_HOME", scratch / "data"};
    std::string trashFolder = scratch / "data/Trash";
    Trash trash;
};

TEST_F(TrashTest, MovesTheFileIntoTheHomeTrashWithItsInfo) {
    const std::string name = "a b%\xC3\xBC.txt";
    const std::string file = scratch.write("from/" + name, "contents");
    const std::time_t before = std::time(nullptr);

    const Outcome outcome = trash.moveToTrash(file);

    ASSERT_TRUE(outcome.ok()) << outcome.reason();
    EXPECT_FALSE(exists(file));
    EXPECT_EQ(readFile(trashFolder + "/files/" + name), "contents");
    const std::string info = readFile(trashFolder + "/info/" + name + ".trashinfo");
    const std::string expectedPath =
        encodeTrashInfoPath(realLocation(scratch.path()) + "/from/" + name);
    EXPECT_NE(expectedPath.find("a%20b%25%C3%BC.txt"), std::string::npos);
    std::smatch match;
    ASSERT_TRUE(std::regex_match(info, match,
                                 std::regex("\\[Trash Info\\]\nPath=(.*)\nDeletionDate=(.*)\n")))
        << info;
    EXPECT_EQ(match[1], expectedPath);
    const std::string date = match[2];
    EXPECT_TRUE(date == formatDeletionDate(before) ||
                date == formatDeletionDate(std::time(nullptr)))
        << date;
    struct stat status {};
    ASSERT_EQ(stat((trashFolder + "/files").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
}

TEST_F(TrashTest, NeverReusesANameAlreadyInTheTrash) {
    const std::string first = scratch.write("one/x.log", "first");
    const std::string second = scratch.write("two/x.log", "second");
    // A leftover entry without an info file must not be overwritten either.
    scratch.write("data/Trash/files/x.log.2", "leftover");

    ASSERT_TRUE(trash.moveToTrash(first).ok());
    const Outcome outcome = trash.moveToTrash(second);

    ASSERT_TRUE(outcome.ok()) << outcome.reason();
    EXPECT_EQ(readFile(trashFolder + "/files/x.log"), "first");
    EXPECT_EQ(readFile(trashFolder + "/files/x.log.2"), "leftover");
    EXPECT_EQ(readFile(trashFolder + "/files/x.log.3"), "second");
    EXPECT_NE(readFile(trashFolder + "/info/x.log.3.trashinfo").find("/two/x.log\n"),
              std::string::npos);
    EXPECT_FALSE(exists(trashFolder + "/info/x.log.2.trashinfo"));
}

TEST_F(TrashTest, RecordsTheRealFolderEvenWhenALinkOnTheWayChanges) {
    const std::string real = realLocation(scratch.path());
    const std::string link = scratch / "link";
    scratch.write("first/a.tmp");
    scratch.write("second/b.tmp");
    std::filesystem::create_directory_symlink(scratch / "first", link);
    ASSERT_TRUE(trash.moveToTrash(link + "/a.tmp").ok());
    std::filesystem::remove(link);
    std::filesystem::create_directory_symlink(scratch / "second", link);

    ASSERT_TRUE(trash.moveToTrash(link + "/b.tmp").ok());

    EXPECT_NE(readFile(trashFolder + "/info/a.tmp.trashinfo").find(real + "/first/a.tmp\n"),
              std::string::npos);
    EXPECT_NE(readFile(trashFolder + "/info/b.tmp.trashinfo").find(real + "/second/b.tmp\n"),
              std::string::npos);
}

TEST_F(TrashTest, RecreatesTheHomeTrashWhenItWasRemovedMeanwhile) {
    ASSERT_TRUE(trash.moveToTrash(scratch.write("a.tmp")).ok());
    std::filesystem::remove_all(trashFolder);

    const Outcome outcome = trash.moveToTrash(scratch.write("b.tmp"));

    ASSERT_TRUE(outcome.ok()) << outcome.reason();
    EXPECT_TRUE(exists(trashFolder + "/files/b.tmp"));
    EXPECT_TRUE(exists(trashFolder + "/info/b.tmp.trashinfo"));
}

TEST_F(TrashTest, KeepsAVeryLongNameWholeInItsInfo) {
    const std::string name = std::string(250, 'n');
    const std::string file = scratch.write(name);

    const Outcome outcome = trash.moveToTrash(file);

    ASSERT_TRUE(outcome.ok()) << outcome.reason();
    const std::string entry = trashEntryName(name, "");
    EXPECT_TRUE(exists(trashFolder + "/files/" + entry));
    EXPECT_NE(readFile(trashFolder + "/info/" + entry + ".trashinfo").find("/" + name + "\n"),
              std::string::npos);
}

TEST_F(TrashTest, LeavesTheFileInPlaceWhenItCannotBeTrashed) {
    const std::string folder = scratch.path() + "/folder";
    std::filesystem::create_directories(folder);
    struct Case {
        const char* what;
        std::string path;
    };
    const Case cases[] = {{"a missing file", scratch / "missing.tmp"}, {"a folder", folder}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome outcome = trash.moveToTrash(c.path);
        EXPECT_FALSE(outcome.ok());
        EXPECT_NE(outcome.reason().find(c.path), std::string::npos) << outcome.reason();
    }
    EXPECT_TRUE(exists(folder));

    // The home trash cannot be created where a plain file stands in the way.
    scratch.write("blocked", "not a folder");
    testing::ScopedEnvironment blocked("XDG_DATA_HOME", scratch / "blocked/data");
    const std::string file = scratch.write("keep.tmp", "kept");
    const Outcome outcome = trash.moveToTrash(file);
    EXPECT_FALSE(outcome.ok());
    EXPECT_NE(outcome.reason().find("Not a directory"), std::string::npos) << outcome.reason();
    EXPECT_EQ(readFile(file), "kept");
}

TEST_F(TrashTest, UsesTheTrashAtTheTopOfAnotherVolume) {
    const std::string volume = scratch.mountSmallVolume("volume");
    if (volume.empty()) {
        GTEST_SKIP() << "mounting a memory filesystem is not allowed here";
    }
    const std::string uid = std::to_string(getuid());
    const std::string file = scratch.write("volume/sub dir/v.tmp", "on the volume");

    const Outcome outcome = trash.moveToTrash(file);

    ASSERT_TRUE(outcome.ok()) << outcome.reason();
    const std::string own = volume + "/.Trash-" + uid;
    EXPECT_EQ(readFile(own + "/files/v.tmp"), "on the volume");
    EXPECT_NE(readFile(own + "/info/v.tmp.trashinfo").find("\nPath=sub%20dir/v.tmp\n"),
              std::string::npos);
    struct stat status {};
    ASSERT_EQ(stat(own.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    EXPECT_FALSE(exists(trashFolder + "/files/v.tmp"));

    // A shared .Trash with the sticky bit takes precedence, one folder per user.
    std::filesystem::create_directory(volume + "/.Trash");
    chmod((volume + "/.Trash").c_str(), 01777);
    ASSERT_TRUE(trash.moveToTrash(scratch.write("volume/w.tmp")).ok());
    EXPECT_TRUE(exists(volume + "/.Trash/" + uid + "/files/w.tmp"));

    // Without the sticky bit it is not used; a .Trash-uid that is not a folder is refused.
    chmod((volume + "/.Trash").c_str(), 0777);
    std::filesystem::remove_all(own);
    scratch.write("volume/.Trash-" + uid, "in the way");
    const std::string kept = scratch.write("volume/k.tmp", "kept");
    const Outcome refused = trash.moveToTrash(kept);
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(readFile(kept), "kept");
    EXPECT_FALSE(exists(volume + "/.Trash/" + uid + "/files/k.tmp"));
}

// Runs a command with HOME and XDG_DATA_HOME set for it, returning its standard output.
std::string runWithHome(const std::string& command, const std::string& home,
                        const std::string& dataHome, const std::string& input = {}) {
    const std::string line = "cd '" + home + "' && HOME='" + home + "' XDG_DATA_HOME='" + dataHome +
                             "' " + command + " 2>&1" +
                             (input.empty() ? "" : " <<'EOF'\n" + input + "\nEOF");
    std::string output;
    if (FILE* pipe = popen(line.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            output += buffer;
        }
        pclose(pipe);
    }
    return output;
}

TEST_F(TrashTest, TrashCliListsAndRestoresOurEntries) {
    if (access("/usr/bin/trash-list", X_OK) != 0 || access("/usr/bin/trash-restore", X_OK) != 0) {
        GTEST_SKIP() << "trash-cli is not installed";
    }
    const std::string home = realLocation(scratch.path());
    const std::string name = "odd name %\xC3\xA9.tmp";
    const std::string file = scratch.write(name, "restore me");
    ASSERT_TRUE(trash.moveToTrash(file).ok());
    const std::string date =
        readFile(trashFolder + "/info/" + name + ".trashinfo")
            .substr(
                readFile(trashFolder + "/info/" + name + ".trashinfo").find("DeletionDate=") + 13,
                19);

    const std::string listed = runWithHome("trash-list", home, scratch / "data");
    std::string shownDate = date;
    shownDate[10] = ' ';
    EXPECT_NE(listed.find(shownDate + " " + home + "/" + name), std::string::npos) << listed;

    runWithHome("trash-restore", home, scratch / "data", "0");
    EXPECT_EQ(readFile(home + "/" + name), "restore me");
    EXPECT_FALSE(exists(trashFolder + "/info/" + name + ".trashinfo"));
}

}  // namespace
}  // namespace korvane
