// korvane-cli scan, run as a program: its lines, escapes, order and total, the settings it
// reads, and its bad command lines.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "scan/FileFinder.h"
#include "scan/FoundFile.h"
#include "support/RunProgram.h"
#include "support/TempTree.h"

namespace korvane {
namespace {

using test::ProgramResult;
using test::TempTree;

class ScanCommandTest : public testing::Test {
protected:
    ScanCommandTest() : settings(tree.path("settings.ini")) {
        tree.folder("home");
        tree.folder("tmp");
        tree.folder("cache");
        tree.folder("config/korvane");
    }

    ProgramResult scan(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {KORVANE_CLI_PATH, "--settings", settings, "scan"});
        return test::runProgram(
            arguments, {"HOME=" + tree.path("home"), "XDG_CONFIG_HOME=" + tree.path("config"),
                        "XDG_CACHE_HOME=" + tree.path("cache"), "TMPDIR=" + tree.path("tmp")});
    }

    /// The lines a walk of the folder for the pattern gives, names and folders shown by
    /// `shown` (the text itself when absent).
    std::vector<std::string> lines(const std::string& folder, const std::string& pattern,
                                   const std::map<std::string, std::string>& shown = {}) {
        std::vector<std::string> result;
        FindFiles(folder, pattern, [&](const std::string& directory, const SearchRecord& record) {
            const std::string name(record.name);
            const auto escaped = shown.find(name);
            FoundFile row{nullptr, name, record.size, 0};
            result.push_back(directory + "\t" + (escaped == shown.end() ? name : escaped->second) +
                             "\t" + row.sizeText());
            return true;
        });
        return result;
    }

    static std::string joined(const std::vector<std::vector<std::string>>& groups,
                              const std::string& total) {
        std::string text;
        for (const auto& group : groups) {
            for (const std::string& line : group) {
                text += line + "\n";
            }
        }
        return text + "Total Files: " + total + "\n";
    }

    TempTree tree;
    std::string settings;
};

TEST_F(ScanCommandTest, PrintsRowsPatternByPatternWithEscapes) {
    tree.file("scan/one.tmp", 600);
    tree.file("scan/sub/two.TMP", 0);
    tree.file("scan/x.log", 1536);
    tree.file("scan/.hidden/not.tmp");
    const std::map<std::string, std::string> shown = {
        {"tab\tname.tmp", "tab\\tname.tmp"},
        {"new\nline.tmp", "new\\nline.tmp"},
        {"cr\r.tmp", "cr\\r.tmp"},
        {"back\\slash.tmp", "back\\\\slash.tmp"},
        {"bad\xFF.tmp", "bad\\xFF.tmp"},
        {"ctl\x01\x7F.tmp", "ctl\\x01\\x7F.tmp"},
        {"\xC3\xA9t\xC3\xA9.tmp", "\xC3\xA9t\xC3\xA9.tmp"},
        {"cut\xC3.tmp", "cut\\xC3.tmp"},
        {"c1\xC2\x9B.tmp", "c1\\xC2\\x9B.tmp"}};
    for (const auto& [name, escaped] : shown) {
        tree.file("scan/weird/" + name, 1);
    }
    const std::string folder = tree.path("scan");

    const ProgramResult result = scan({"--pattern", "*.tmp", "--pattern", "*.LOG", folder});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              joined({lines(folder + "/", "*.tmp", shown), lines(folder + "/", "*.LOG")}, "3k"));
    EXPECT_EQ(result.err, "");
}

TEST_F(ScanCommandTest, WalksEachFolderInTurnForTheTickedPatternsOfTheSettings) {
    tree.fileWithText("settings.ini", "[Scan]\nScanFor=*.tmp,1,*.bak,0,*.log,1,\n");
    tree.file("first/a.tmp", 2560);
    tree.file("first/a.bak");
    tree.file("first/a.log");
    tree.file("second/b.tmp", 513);
    const std::string first = tree.path("first"), second = tree.path("second/");

    const ProgramResult result = scan({second, "--", first});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, joined({lines(second, "*.tmp"), lines(second, "*.log"),
                                  lines(first + "/", "*.tmp"), lines(first + "/", "*.log")},
                                 "3k"));
}

TEST_F(ScanCommandTest, WithoutFoldersRunsTheScanOfTheSettingsFile) {
    tree.fileWithText("settings.ini",
                      "[Scan]\nCheck1=1\nCheck2=0\nCheck3=1\nScanFor=*.tmp,1,\n"
                      "[Locations]\nCookies=" +
                          tree.path("elsewhere") + "\n");
    tree.file("tmp/t.dat", 1024);
    tree.file("cache/skipped.dat");
    tree.file("config/korvane/Cookies/skipped.dat");
    tree.file("elsewhere/k.txt", 2048);

    const ProgramResult result = scan({});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, tree.path("tmp/") + "\tt.dat\t1k\n" + tree.path("elsewhere/") +
                              "\tk.txt\t2k\nTotal Files: 3k\n");
}

TEST_F(ScanCommandTest, RefusesBadCommandLinesAndBadSettings) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--pattern"}, {"--bogus"}, {"--timed", "--what", "x"}}) {
        const ProgramResult result = scan(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.back();
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err, "");
    }

    tree.fileWithText("settings.ini", "[Settings]\nDrives=1,x,\n");
    const ProgramResult result = scan({});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("'x' is not a valid integer value"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace korvane
