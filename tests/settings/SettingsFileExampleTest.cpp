// Replays the writes of a first start and of the saves that follow a user's changes, key by key
// and with each save as one batch, and compares the file with the expected text byte for byte.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsAccess.h"
#include "settings/WholeNumber.h"
#include "support/FileText.h"
#include "support/SettingsExamples.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

// The options as the main window's controls hold them.
struct Options {
    bool autoErase = false;
    std::vector<bool> driveTicks = std::vector<bool>(5, false);
    int deleteOption = 1;
    std::vector<std::pair<std::string, bool>> patterns;
    bool check1 = true, check2 = true, check3 = true;
    bool autoScan = true, checkHDSpace = false;
    std::string megs = "100";
    int optionChecked = 1;
    std::string minutes = "30", hours = "5", days = "5", weeks = "1", months = "1";
    std::string minsAfter = "30";
    std::string dayParameter;
    int weekIndex = -1;
    std::string dayOfTheMonth = "1";
};

// The save's sequence of single-key writes and removals.
void save(const std::string& file, const Options& options, bool batched) {
    SettingsAccess settings(file);
    if (batched)
        settings.beginBatch();
    settings.writeFlag("Settings", "AutoErase", options.autoErase);
    settings.removeKey("Settings", "Drives");
    for (std::size_t row = 0; row < options.driveTicks.size(); ++row) {
        if (!options.driveTicks[row])
            continue;
        const std::string drives = settings.readText("Settings", "Drives", "");
        settings.writeText("Settings", "Drives", drives + std::to_string(row) + ",");
    }
    settings.writeInteger("Settings", "DeleteOption", options.deleteOption);
    settings.removeKey("Scan", "ScanFor");
    for (const auto& [caption, ticked] : options.patterns) {
        settings.writeText("Scan", "ScanFor",
                           settings.readText("Scan", "ScanFor", "") + caption + ",");
        settings.writeText("Scan", "ScanFor",
                           settings.readText("Scan", "ScanFor", "") + (ticked ? "1," : "0,"));
    }
    settings.writeFlag("Scan", "Check1", options.check1);
    settings.writeFlag("Scan", "Check2", options.check2);
    settings.writeFlag("Scan", "Check3", options.check3);
    settings.writeFlag("Schedule", "AutoScan", options.autoScan);
    settings.writeFlag("Schedule", "CheckHDSpace", options.checkHDSpace);
    settings.writeInteger("Schedule", "SpaceToCheck", readWholeNumber(options.megs));
    settings.writeInteger("Schedule", "OptionChecked", options.optionChecked);
    settings.writeText("Schedule", "MinuteInterval", options.minutes);
    settings.writeText("Schedule", "HourInterval", options.hours);
    settings.writeText("Schedule", "DayInterval", options.days);
    settings.writeText("Schedule", "WeekInterval", options.weeks);
    settings.writeText("Schedule", "MonthInterval", options.months);
    settings.writeText("Schedule", "HourParameter", options.minsAfter);
    settings.writeText("Schedule", "DayParameter", options.dayParameter);
    settings.writeInteger("Schedule", "WeekParameter", options.weekIndex + 1);
    settings.writeText("Schedule", "MonthParameter", options.dayOfTheMonth);
    if (batched)
        settings.commitBatch();
}

TEST(SettingsFileExampleTest, FirstStartAndSavesGiveTheExampleFile) {
    for (const bool batched : {false, true}) {
        SCOPED_TRACE(batched ? "each save batched" : "key by key");
        std::string pattern = (fs::temp_directory_path() / "korvane-example-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        const std::string file = (fs::path(pattern) / "krvane.ini").string();

        // First start: the first-run step, then the next-scan computation records a last scan.
        {
            SettingsAccess settings(file);
            ASSERT_EQ(settings.readInteger("Main", "FirstRun", 1), 1);
            settings.writeInteger("Main", "FirstRun", 0);
            ASSERT_EQ(settings.readText("Schedule", "LastScan", ""), "");
            settings.writeText("Schedule", "LastScan", "6/14/99 9:05:12 AM");
        }
        Options options;
        options.dayParameter = "9:05 AM";

        // The user's changes, each saved at once (unticking a pattern saves nothing).
        options.driveTicks[1] = true;
        save(file, options, batched);
        options.driveTicks[2] = true;
        save(file, options, batched);
        options.patterns.emplace_back("*.tmp", true);
        save(file, options, batched);
        options.patterns.emplace_back("*.bak", true);
        save(file, options, batched);
        options.patterns[1].second = false;
        options.deleteOption = 2;
        save(file, options, batched);
        options.check3 = false;
        save(file, options, batched);
        options.autoErase = true;
        save(file, options, batched);
        options.optionChecked = 3;
        save(file, options, batched);
        options.days = "2";
        save(file, options, batched);

        // The time picker writes its key alone; the timed scan records its minute.
        SettingsAccess(file).writeText("Schedule", "DayParameter", "10:30 PM");
        options.dayParameter = "10:30 PM";
        SettingsAccess(file).writeText("Schedule", "LastScan", "6/16/99 10:30 PM");

        EXPECT_EQ(korvane::test::readFileText(file), test::kExampleSettingsFile);
        // Saving again at once changes nothing.
        save(file, options, batched);
        EXPECT_EQ(korvane::test::readFileText(file), test::kExampleSettingsFile);
        fs::remove_all(pattern);
    }
}

}  // namespace
}  // namespace korvane
