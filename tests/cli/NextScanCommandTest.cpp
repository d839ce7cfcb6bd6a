// korvane-cli next-scan, run as a child process over a temporary settings file in the C locale.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "schedule/Clock.h"
#include "schedule/DateTimeReader.h"
#include "settings/SettingsAccess.h"
#include "support/RunProgram.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

class NextScanCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "korvane-cli-nextscan-XXXXXX").string();
        ASSERT_NE(mkdtemp(name.data()), nullptr);
        folder_ = name;
        settingsPath_ = (folder_ / "krvane.ini").string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    void writeSettings(const std::string& text) { std::ofstream(settingsPath_) << text; }

    test::ProgramResult run(const std::string& extra = "") {
        std::vector<std::string> arguments{KORVANE_CLI_PATH, "--settings", settingsPath_,
                                           "next-scan"};
        if (!extra.empty())
            arguments.push_back(extra);
        return test::runProgram(arguments, {"LC_ALL=C", "LC_TIME=", "LANG="});
    }

    std::string lastScan() const {
        return SettingsAccess(settingsPath_).readText("Schedule", "LastScan", "<missing>");
    }

    fs::path folder_;
    std::string settingsPath_;
};

TEST_F(NextScanCommandTest, PrintsTheFullTextOfTheNextScan) {
    // The monthly kind does not look at the present, so its result is fixed.
    writeSettings("[Schedule]\nOptionChecked=5\nMonthParameter=15\nLastScan=1/20/1999\n");
    test::ProgramResult result = run();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Next Scan: 3/15/99\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(lastScan(), "1/20/1999");

    writeSettings("[Schedule]\nOptionChecked=4\nWeekParameter=2\nLastScan=1/1/2070 9:00 AM\n");
    result = run();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Next Scan: 1/13/70 9:00:00 am\n");
}

TEST_F(NextScanCommandTest, FirstRunWritesLastScanAndCountsFromIt) {
    const test::ProgramResult result = run();
    ASSERT_EQ(result.exitCode, 0) << result.err;
    ASSERT_TRUE(result.out.starts_with("Next Scan: ")) << result.out;
    ASSERT_TRUE(result.out.ends_with("\n"));

    // Kind 1 by default: 30 units of 60.48 s after the recorded whole minute, cut to the minute,
    // is exactly 30 minutes after it.
    const RegionalSettings fallbacks;
    const int year = SystemClock().now().fields().year;
    const std::string shown = result.out.substr(11, result.out.size() - 12);
    const DateTime next = readDateTime(shown, fallbacks, year);
    const DateTime last = readDateTime(lastScan(), fallbacks, year);
    EXPECT_EQ(next.milliseconds() - last.milliseconds(), 30 * 60'000);
    EXPECT_EQ(last.cutToMinute(), last);
}

TEST_F(NextScanCommandTest, ReaderErrorGoesToStandardError) {
    writeSettings("[Schedule]\nOptionChecked=2\nLastScan=last Tuesday\n");
    const test::ProgramResult result = run();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "'last Tuesday' is not a valid date and time\n");
    EXPECT_EQ(lastScan(), "last Tuesday");
}

TEST_F(NextScanCommandTest, NoScheduleKindPrintsAnEmptyLineAndArgumentsAreRefused) {
    writeSettings("[Schedule]\nOptionChecked=6\n");
    test::ProgramResult result = run();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "\n");
    EXPECT_EQ(lastScan(), "<missing>");

    result = run("now");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
}

}  // namespace
}  // namespace korvane
