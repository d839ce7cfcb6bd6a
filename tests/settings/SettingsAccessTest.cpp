// The access object on real files: value forms, fresh reads, batches, atomic replacement and
// writes that fail without harming the old file.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "settings/SettingsAccess.h"
#include "settings/UserError.h"
#include "support/FileText.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

// The names in a folder, to show that no temporary file is left behind.
std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class SettingsAccessTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "korvane-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        file_ = folder_ / "krvane.ini";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder_, ignored);
    }

    fs::path folder_;
    fs::path file_;
};

TEST_F(SettingsAccessTest, MissingFileGivesDefaultsAndFirstWriteCreatesFolders) {
    const fs::path nested = folder_ / "a" / "b" / "krvane.ini";
    SettingsAccess settings(nested.string());
    EXPECT_EQ(settings.readText("Main", "FirstRun", "dflt"), "dflt");
    EXPECT_EQ(settings.readInteger("Main", "FirstRun", 1), 1);
    EXPECT_TRUE(settings.readFlag("Schedule", "AutoScan", true));
    EXPECT_FALSE(settings.readFlag("Settings", "AutoErase", false));
    settings.removeKey("Main", "FirstRun");
    EXPECT_FALSE(fs::exists(folder_ / "a"));

    settings.writeInteger("Main", "FirstRun", 0);
    EXPECT_EQ(korvane::test::readFileText(nested), "[Main]\nFirstRun=0\n");
    EXPECT_EQ(fs::status(nested).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fs::status(folder_ / "a").permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST_F(SettingsAccessTest, ReadsValuesByTheirForms) {
    struct FormCase {
        std::string stored;  // the value line's text after "K="
        std::string text;
        std::int32_t integer;  // read with the default 7
        bool flagWithDefaultOn;
        bool flagWithDefaultOff;
    };
    const FormCase cases[] = {
        {"1", "1", 1, true, true},
        {"0", "0", 0, false, false},
        {"2", "2", 2, true, true},
        {"-1", "-1", -1, true, true},
        {"yes", "yes", 7, true, false},
        {"", "", 7, true, false},
        {"0x10", "0x10", 16, true, true},
        {"$10", "$10", 16, true, true},
        {"  42  ", "42", 42, true, true},
        {"4 2", "4 2", 7, true, false},
        {"2147483648", "2147483648", 7, true, false},
    };
    for (const FormCase& item : cases) {
        SCOPED_TRACE("stored '" + item.stored + "'");
        korvane::test::writeFileText(file_, "[S]\nK=" + item.stored + "\n");
        const SettingsAccess settings(file_.string());
        EXPECT_EQ(settings.readText("S", "K", "dflt"), item.text);
        EXPECT_EQ(settings.readInteger("S", "K", 7), item.integer);
        EXPECT_EQ(settings.readFlag("S", "K", true), item.flagWithDefaultOn);
        EXPECT_EQ(settings.readFlag("S", "K", false), item.flagWithDefaultOff);
    }
}

TEST_F(SettingsAccessTest, OnlyListReadsComeBackUncut) {
    const std::string longValue = "  " + std::string(1500, 'x') + "  ";
    korvane::test::writeFileText(file_, "[S]\nK=" + longValue + "\n");
    const SettingsAccess settings(file_.string());
    EXPECT_EQ(settings.readText("S", "K", ""), std::string(1023, 'x'));
    EXPECT_EQ(settings.readListText("S", "K", ""), std::string(1500, 'x'));
    EXPECT_EQ(settings.readListText("S", "Missing", "d"), "d");
}

TEST_F(SettingsAccessTest, EveryOperationReadsTheFileAfresh) {
    SettingsAccess settings(file_.string());
    settings.writeText("S", "K", "mine");
    korvane::test::writeFileText(file_, "; edited by hand\n[S]\nK=theirs\n");
    EXPECT_EQ(settings.readText("S", "K", ""), "theirs");
    settings.writeFlag("S", "F", true);
    EXPECT_EQ(korvane::test::readFileText(file_), "; edited by hand\n[S]\nK=theirs\nF=1\n");
}

TEST_F(SettingsAccessTest, ReplacementKeepsPermissionsAndLeavesNoTemporaryFile) {
    korvane::test::writeFileText(file_, "[S]\nK=1\n");
    fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                               fs::perms::others_read);
    SettingsAccess settings(file_.string());
    settings.writeText("S", "K", "2");
    EXPECT_EQ(korvane::test::readFileText(file_), "[S]\nK=2\n");
    EXPECT_EQ(fs::status(file_).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"krvane.ini"});
}

TEST_F(SettingsAccessTest, ANoOpWriteOrRemovalLeavesTheFileUntouched) {
    korvane::test::writeFileText(file_, "[S]\r\nK = 1 \r\n");
    struct stat before {};
    ASSERT_EQ(::stat(file_.c_str(), &before), 0);
    SettingsAccess settings(file_.string());
    settings.writeText("S", "K", "1");
    settings.removeKey("S", "Absent");
    struct stat after {};
    ASSERT_EQ(::stat(file_.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(korvane::test::readFileText(file_), "[S]\r\nK = 1 \r\n");
}

TEST_F(SettingsAccessTest, RefusedWritesFailWithTheDisplayNameAndChangeNothing) {
    korvane::test::writeFileText(file_, "[S]\nK=1\n");
    SettingsAccess settings(file_.string(), "MY.INI");
    try {
        settings.writeText("S", "K", "2\n[Injected]\nX=1");
        FAIL() << "no error";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), "Unable to write to MY.INI");
    }
    EXPECT_THROW(settings.writeText("S", "A=B", "1"), UserError);
    EXPECT_EQ(korvane::test::readFileText(file_), "[S]\nK=1\n");
}

TEST_F(SettingsAccessTest, AFolderInTheFilesPlaceIsNeverReplaced) {
    fs::create_directory(file_);
    korvane::test::writeFileText(file_ / "inside", "x");
    SettingsAccess settings(file_.string());
    EXPECT_EQ(settings.readText("S", "K", "dflt"), "dflt");
    EXPECT_THROW(settings.writeText("S", "K", "1"), UserError);
    settings.beginBatch();
    settings.writeText("S", "K", "1");
    EXPECT_THROW(settings.commitBatch(), UserError);
    EXPECT_EQ(korvane::test::readFileText(file_ / "inside"), "x");
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"krvane.ini"});
}

TEST_F(SettingsAccessTest, ALinkIsReadThroughButNeverWrittenThrough) {
    const fs::path target = folder_ / "elsewhere.ini";
    korvane::test::writeFileText(target, "[S]\nK=1\n");
    fs::create_symlink(target, file_);
    SettingsAccess settings(file_.string());
    EXPECT_EQ(settings.readText("S", "K", ""), "1");
    settings.writeText("S", "J", "2");
    EXPECT_EQ(korvane::test::readFileText(target), "[S]\nK=1\n");
    EXPECT_FALSE(fs::is_symlink(file_));
    EXPECT_EQ(korvane::test::readFileText(file_), "[S]\nK=1\nJ=2\n");
}

TEST_F(SettingsAccessTest, BatchIsSeenByReadsAndReachesTheDiskOnlyOnCommit) {
    korvane::test::writeFileText(file_, "[S]\nK=1\n");
    SettingsAccess settings(file_.string());
    settings.beginBatch();
    settings.writeText("S", "K", "2");
    settings.writeInteger("T", "N", -3);
    settings.removeKey("S", "K");
    settings.writeText("S", "K", settings.readText("S", "K", "x") + "y");
    EXPECT_EQ(settings.readInteger("T", "N", 0), -3);
    EXPECT_EQ(korvane::test::readFileText(file_), "[S]\nK=1\n");
    settings.commitBatch();
    EXPECT_EQ(korvane::test::readFileText(file_), "[S]\nK=xy\n\n[T]\nN=-3\n");

    // Back to key-by-key: a write goes to the disk at once.
    settings.writeText("S", "K", "z");
    EXPECT_EQ(korvane::test::readFileText(file_), "[S]\nK=z\n\n[T]\nN=-3\n");
}

TEST_F(SettingsAccessTest, UncommittedBatchIsDiscarded) {
    korvane::test::writeFileText(file_, "[S]\nK=1\n");
    {
        SettingsAccess settings(file_.string());
        settings.beginBatch();
        settings.writeText("S", "K", "2");
    }
    EXPECT_EQ(korvane::test::readFileText(file_), "[S]\nK=1\n");
}

// A failing write leaves the old file whole: run as an unprivileged user against a folder it
// cannot write to (as root, in a child process that gives up root first).
TEST_F(SettingsAccessTest, WriteIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    const std::string old = "; keep me\n[S]\nK=1\n";
    korvane::test::writeFileText(file_, old);
    fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                               fs::perms::others_read);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                 fs::perms::group_exec | fs::perms::others_read |
                                 fs::perms::others_exec);
    auto attempt = [this] {
        SettingsAccess settings(file_.string());
        try {
            settings.writeText("S", "K", "2");
        } catch (const UserError& error) {
            return std::string(error.what()) == "Unable to write to KRVANE.INI";
        }
        return false;
    };
    if (::geteuid() != 0) {
        EXPECT_TRUE(attempt());
    } else {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
            ::_exit(dropped && attempt() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(korvane::test::readFileText(file_), old);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"krvane.ini"});
}

// The same on a full disk: a tiny tmpfs filled to the last byte (needs root to mount).
TEST_F(SettingsAccessTest, WriteOnAFullDiskFailsAndKeepsTheOldFile) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    const fs::path mountPoint = folder_ / "tiny";
    fs::create_directory(mountPoint);
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    const fs::path file = mountPoint / "krvane.ini";
    const std::string old = "[S]\nK=" + std::string(5000, 'o') + "\n";
    korvane::test::writeFileText(file, old);
    {
        std::ofstream filler(mountPoint / "filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
        }
    }
    SettingsAccess settings(file.string());
    EXPECT_THROW(settings.writeText("S", "K", std::string(6000, 'n')), UserError);
    settings.beginBatch();
    settings.writeText("S", "J", std::string(6000, 'n'));
    EXPECT_THROW(settings.commitBatch(), UserError);
    EXPECT_EQ(korvane::test::readFileText(file), old);
    EXPECT_EQ(namesIn(mountPoint), (std::vector<std::string>{"filler", "krvane.ini"}));
    ::umount(mountPoint.c_str());
}

}  // namespace
}  // namespace korvane
