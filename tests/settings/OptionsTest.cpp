// The options record against real settings files: the example file loaded and saved again, the
// defaults of a first start, the list values, keys that do not read back, and the save's order,
// placement and failures.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "schedule/Clock.h"
#include "schedule/DateTime.h"
#include "schedule/RegionalTimeOfDay.h"
#include "settings/Options.h"
#include "settings/OptionsLists.h"
#include "settings/UserError.h"
#include "support/SettingsExamples.h"

namespace korvane {
namespace {

using test::unitedStates;

namespace fs = std::filesystem;

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "korvane-options-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        file_ = (folder_ / "krvane.ini").string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    void writeFile(const std::string& text) const {
        std::ofstream(file_, std::ios::binary) << text;
    }
    std::string fileText() const {
        std::ifstream in(file_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    LoadedOptions load() const { return LoadSettings(SettingsAccess(file_), times_); }
    void save(const Options& options) const {
        SettingsAccess settings(file_);
        SaveSettings(settings, options, times_);
    }

    fs::path folder_;
    std::string file_;
    RegionalSettings regional_ = unitedStates();
    FixedClock clock_{makeDateTime(1999, 6, 14, 9, 41, 27)};
    RegionalTimeOfDay times_{regional_, clock_};
};

void expectSameOptions(const Options& actual, const Options& expected) {
    EXPECT_EQ(actual.autoErase, expected.autoErase);
    EXPECT_EQ(actual.tickedDrives, expected.tickedDrives);
    EXPECT_EQ(actual.deleteOption, expected.deleteOption);
    ASSERT_EQ(actual.patterns.size(), expected.patterns.size());
    for (std::size_t i = 0; i < actual.patterns.size(); ++i) {
        EXPECT_EQ(actual.patterns[i].pattern, expected.patterns[i].pattern);
        EXPECT_EQ(actual.patterns[i].ticked, expected.patterns[i].ticked);
    }
    EXPECT_EQ(actual.specialFolders, expected.specialFolders);
    EXPECT_EQ(actual.autoScan, expected.autoScan);
    EXPECT_EQ(actual.checkHDSpace, expected.checkHDSpace);
    EXPECT_EQ(actual.spaceToCheck, expected.spaceToCheck);
    EXPECT_EQ(actual.optionChecked, expected.optionChecked);
    EXPECT_EQ(actual.intervals, expected.intervals);
    EXPECT_NEAR(actual.dayParameter, expected.dayParameter, 1e-9);
    EXPECT_EQ(actual.weekParameter, expected.weekParameter);
    EXPECT_EQ(actual.monthParameter, expected.monthParameter);
}

TEST_F(OptionsTest, ExampleFileLoadsAndSavesBackByteForByte) {
    writeFile(test::kExampleSettingsFile);
    const LoadedOptions loaded = load();
    EXPECT_TRUE(loaded.errors.empty());
    const Options& options = loaded.options;
    EXPECT_TRUE(options.autoErase);
    EXPECT_EQ(options.tickedDrives, (std::vector<int>{1, 2}));
    EXPECT_EQ(options.deleteOption, 2);
    ASSERT_EQ(options.patterns.size(), 2u);
    EXPECT_EQ(options.patterns[0].pattern, "*.tmp");
    EXPECT_TRUE(options.patterns[0].ticked);
    EXPECT_EQ(options.patterns[1].pattern, "*.bak");
    EXPECT_FALSE(options.patterns[1].ticked);
    EXPECT_EQ(options.specialFolders, (std::array<bool, 3>{true, true, false}));
    EXPECT_EQ(options.optionChecked, 3);
    EXPECT_EQ(options.interval(IntervalKey::DayInterval), "2");
    EXPECT_NEAR(options.dayParameter, 22.5 / 24, 1e-9);

    save(options);
    EXPECT_EQ(fileText(), test::kExampleSettingsFile);
}

TEST_F(OptionsTest, MissingFileGivesTheLoadDefaults) {
    const LoadedOptions loaded = load();
    EXPECT_TRUE(loaded.errors.empty());
    const Options& options = loaded.options;
    EXPECT_FALSE(options.autoErase);
    EXPECT_TRUE(options.tickedDrives.empty());
    EXPECT_EQ(options.deleteOption, 1);
    EXPECT_TRUE(options.patterns.empty());
    EXPECT_EQ(options.specialFolders, (std::array<bool, 3>{true, true, true}));
    EXPECT_TRUE(options.autoScan);
    EXPECT_FALSE(options.checkHDSpace);
    EXPECT_EQ(options.spaceToCheck, "100");
    EXPECT_EQ(options.optionChecked, 1);
    EXPECT_EQ(options.intervals,
              (std::array<std::string, kIntervalKeyCount>{"30", "5", "5", "1", "1", "30"}));
    // The present time as short time text, so without its seconds.
    EXPECT_NEAR(options.dayParameter, (9 + 41 / 60.0) / 24, 1e-9);
    EXPECT_EQ(options.weekParameter, 0);
    EXPECT_EQ(options.monthParameter, "1");
    EXPECT_FALSE(fs::exists(file_));
}

TEST(OptionsListsTest, DriveListsReadEveryEntry) {
    struct Case {
        std::string value;
        std::vector<int> positions;
    };
    const Case cases[] = {
        {"", {}},
        {"1,2,", {1, 2}},
        {"12,", {12}},
        {"1,2", {1, 2}},  // no final comma: the last entry still counts
        {" 3,$10,", {3, 16}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.substr(c.value.size() > 20 ? c.value.size() - 20 : 0));
        EXPECT_EQ(parseDriveList(c.value), c.positions);
    }
    EXPECT_THROW(parseDriveList("1,x,"), UserError);
    EXPECT_THROW(parseDriveList(",,"), UserError);
}

TEST(OptionsListsTest, PatternListsPairCaptionsWithFlags) {
    struct Case {
        std::string value;
        std::vector<std::pair<std::string, bool>> rows;
    };
    const Case cases[] = {
        {"", {}},
        {"P,1,Q,0,", {{"P", true}, {"Q", false}}},
        {"P,10,", {{"P", true}}},
        {"a,b,1,", {{"a", false}, {"1", false}}},  // a comma in a pattern splits it
        {"P,1,Q", {{"P", true}, {"Q", false}}},    // no final comma
        {"P,1,Q,1", {{"P", true}, {"Q", true}}},
        {"P,,Q,1,", {{"P", false}, {"Q", true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.substr(0, 20));
        std::vector<std::pair<std::string, bool>> rows;
        for (const PatternOption& row : parsePatternList(c.value))
            rows.emplace_back(row.pattern, row.ticked);
        EXPECT_EQ(rows, c.rows);
    }
}

TEST_F(OptionsTest, LongListsAreKeptWhole) {
    Options options;
    for (int i = 0; i < 200; ++i)
        options.patterns.push_back({"*.extension" + std::to_string(i), i % 3 == 0});
    for (int i = 0; i < 300; ++i)
        options.tickedDrives.push_back(i);
    save(options);
    EXPECT_GT(SettingsAccess(file_).readListText("Scan", "ScanFor", "").size(), 1023u);

    const Options loaded = load().options;
    EXPECT_EQ(loaded.tickedDrives, options.tickedDrives);
    const std::vector<PatternOption>& rows = loaded.patterns;
    ASSERT_EQ(rows.size(), 200u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].pattern, options.patterns[i].pattern);
        EXPECT_EQ(rows[i].ticked, options.patterns[i].ticked);
    }
}

TEST_F(OptionsTest, BadKeysAreReportedOnceAndTheOthersStillLoad) {
    writeFile(
        "[Settings]\nDrives=0,x,3,\nDeleteOption=3\n"
        "[Schedule]\nMinuteInterval=\nHourInterval= 7 \nDayInterval=two\n"
        "DayParameter=tea time\nWeekParameter=5\nMonthParameter=12\n");
    const LoadedOptions loaded = load();
    EXPECT_EQ(loaded.errors,
              (std::vector<std::string>{
                  "'x' is not a valid integer value", "'' is not a valid integer value",
                  "'two' is not a valid integer value", "'tea time' is not a valid time"}));
    EXPECT_FALSE(loaded.drivesLoaded);
    EXPECT_FALSE(loaded.intervalLoaded(IntervalKey::MinuteInterval));
    EXPECT_TRUE(loaded.intervalLoaded(IntervalKey::HourInterval));
    EXPECT_FALSE(loaded.intervalLoaded(IntervalKey::DayInterval));
    EXPECT_TRUE(loaded.intervalLoaded(IntervalKey::WeekInterval));
    EXPECT_FALSE(loaded.dayParameterLoaded);

    // Keys that did not load keep the design values; every later key loaded.
    const Options& options = loaded.options;
    const Options design;
    EXPECT_TRUE(options.tickedDrives.empty());
    EXPECT_EQ(options.interval(IntervalKey::MinuteInterval),
              design.interval(IntervalKey::MinuteInterval));
    EXPECT_EQ(options.interval(IntervalKey::HourInterval), "7");
    EXPECT_EQ(options.interval(IntervalKey::DayInterval),
              design.interval(IntervalKey::DayInterval));
    EXPECT_EQ(options.dayParameter, design.dayParameter);
    EXPECT_EQ(options.deleteOption, 3);
    EXPECT_EQ(options.weekParameter, 5);
    EXPECT_EQ(options.monthParameter, "12");
}

TEST_F(OptionsTest, EachScheduleKindSavesLoadsAndSavesTheSame) {
    for (int kind = 1; kind <= 5; ++kind) {
        SCOPED_TRACE(kind);
        fs::remove(file_);
        Options options;
        options.autoErase = kind % 2 == 0;
        options.tickedDrives = {0, 4};
        options.deleteOption = 1 + kind % 3;
        options.patterns = {{"*.tmp", true}, {"~*", false}};
        options.specialFolders = {kind != 1, kind != 2, kind != 3};
        options.autoScan = kind != 4;
        options.checkHDSpace = kind == 5;
        options.spaceToCheck = std::to_string(10 * kind);
        options.optionChecked = kind;
        options.intervals = {"45", "12", "9", "3", "2", "15"};
        options.dayParameter = (6 + 5 / 60.0) / 24;
        options.weekParameter = kind;
        options.monthParameter = "31";
        save(options);

        const LoadedOptions loaded = load();
        EXPECT_TRUE(loaded.errors.empty());
        expectSameOptions(loaded.options, options);
        // Saved again at once: the lists move to the end of their sections, the values stay.
        save(loaded.options);
        expectSameOptions(load().options, options);
    }
}

TEST_F(OptionsTest, SaveWritesTrimmedTextsAndKeepsKeysWithNoSelection) {
    writeFile("[Settings]\nDrives=0,\nDeleteOption=3\n[Schedule]\nOptionChecked=4\n");
    Options options;
    options.deleteOption = 0;
    options.optionChecked = 6;
    options.weekParameter = 0;
    options.intervals = {" 5", "", " 5", " 1", " 1", "30"};
    save(options);
    SettingsAccess settings(file_);
    EXPECT_EQ(settings.readText("Settings", "DeleteOption", ""), "3");
    EXPECT_EQ(settings.readText("Schedule", "OptionChecked", ""), "4");
    EXPECT_EQ(settings.readText("Schedule", "WeekParameter", ""), "0");
    EXPECT_EQ(settings.readText("Schedule", "MinuteInterval", "?"), "5");
    EXPECT_EQ(settings.readText("Schedule", "HourInterval", "?"), "");
    EXPECT_EQ(settings.readText("Schedule", "DayParameter", ""), "12:00 AM");
    EXPECT_EQ(settings.readText("Settings", "Drives", "absent"), "absent");
    EXPECT_EQ(settings.readText("Scan", "ScanFor", "absent"), "absent");
}

TEST_F(OptionsTest, BadThresholdStopsTheSaveAfterTheKeysBeforeIt) {
    writeFile("[Schedule]\nOptionChecked=2\nMinuteInterval=17\n");
    Options options;
    options.checkHDSpace = true;
    options.spaceToCheck = " 1x0";
    options.optionChecked = 5;
    try {
        save(options);
        FAIL() << "the save went through";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), "'1x0' is not a valid integer value");
    }
    SettingsAccess settings(file_);
    EXPECT_EQ(settings.readText("Settings", "AutoErase", ""), "1");
    EXPECT_EQ(settings.readText("Scan", "Check3", ""), "1");
    EXPECT_EQ(settings.readText("Schedule", "CheckHDSpace", ""), "1");
    EXPECT_EQ(settings.readText("Schedule", "SpaceToCheck", "absent"), "absent");
    EXPECT_EQ(settings.readText("Schedule", "OptionChecked", ""), "2");
    EXPECT_EQ(settings.readText("Schedule", "MinuteInterval", ""), "17");
}

TEST_F(OptionsTest, RefusedWriteStopsTheSaveAtThatKey) {
    writeFile(test::kExampleSettingsFile);
    Options options;
    options.patterns = {{"*.tmp\nAutoScan=0", true}};
    EXPECT_THROW(save(options), UserError);
    // The keys before the refused one are written; the rest keep their values.
    const LoadedOptions loaded = load();
    EXPECT_TRUE(loaded.options.patterns.empty());
    EXPECT_TRUE(loaded.options.autoScan);
    EXPECT_EQ(loaded.options.optionChecked, 3);
}

}  // namespace
}  // namespace korvane
