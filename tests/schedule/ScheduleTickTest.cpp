// The schedule tick without a timer: when the shown minute is due, the record of a timed scan,
// and the failure policy that reports once and rests until the user changes the schedule.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "schedule/ScheduleTick.h"
#include "support/SettingsExamples.h"

namespace korvane {
namespace {

using test::unitedStates;

namespace fs = std::filesystem;

TEST(ScheduleTickTest, DueFromTheStartOfTheShownMinute) {
    struct Case {
        const char* panel;
        DateTime now;
        ScheduleTick::Step step;
    };
    const Case cases[] = {
        {"Next Scan: 3/15/99 2:30:00 PM", makeDateTime(1999, 3, 15, 14, 29, 59, 999),
         ScheduleTick::Step::NotDue},
        {"Next Scan: 3/15/99 2:30:00 PM", makeDateTime(1999, 3, 15, 14, 30, 0),
         ScheduleTick::Step::Due},
        {"Next Scan: 3/15/99 2:30:00 PM", makeDateTime(1999, 3, 16, 9, 0, 0),
         ScheduleTick::Step::Due},
        // A shown time with seconds is due from the start of its minute.
        {"Next Scan: 3/15/99 2:30:45 PM", makeDateTime(1999, 3, 15, 14, 30, 0),
         ScheduleTick::Step::Due},
        {"Next Scan: 3/15/99 2:30:45 PM", makeDateTime(1999, 3, 15, 14, 29, 50),
         ScheduleTick::Step::NotDue},
        // Midnight shows the date alone.
        {"Next Scan: 3/16/99", makeDateTime(1999, 3, 15, 23, 59, 59), ScheduleTick::Step::NotDue},
        {"Next Scan: 3/16/99", makeDateTime(1999, 3, 16, 0, 0, 0), ScheduleTick::Step::Due},
        // Without ": " the whole text is read.
        {"3/15/99 2:30 PM", makeDateTime(1999, 3, 15, 14, 30, 5), ScheduleTick::Step::Due},
    };
    const RegionalSettings regional = unitedStates();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.panel);
        ScheduleTick tick;
        const auto decision = tick.check(true, c.panel, regional, FixedClock(c.now));
        EXPECT_EQ(decision.step, c.step);
        EXPECT_EQ(decision.error, "");
    }
}

TEST(ScheduleTickTest, ScheduleOffReadsNothing) {
    ScheduleTick tick;
    const FixedClock clock(makeDateTime(1999, 3, 15, 14, 30, 0));
    EXPECT_EQ(tick.check(false, "", unitedStates(), clock).step, ScheduleTick::Step::Idle);
    EXPECT_EQ(tick.check(false, "Next Scan: 3/15/99 2:30:00 PM", unitedStates(), clock).step,
              ScheduleTick::Step::Idle);
    EXPECT_FALSE(tick.resting());
}

TEST(ScheduleTickTest, UnreadablePanelIsReportedOnceUntilTheScheduleChanges) {
    ScheduleTick tick;
    const RegionalSettings regional = unitedStates();
    const FixedClock clock(makeDateTime(1999, 3, 15, 14, 30, 0));

    const auto first = tick.check(true, "", regional, clock);
    EXPECT_EQ(first.step, ScheduleTick::Step::Failed);
    EXPECT_EQ(first.error, "'' is not a valid date and time");
    // Later ticks neither report again nor scan, even once a due time is shown.
    EXPECT_EQ(tick.check(true, "", regional, clock).step, ScheduleTick::Step::Idle);
    EXPECT_EQ(tick.check(true, "Next Scan: 3/15/99 2:00:00 PM", regional, clock).step,
              ScheduleTick::Step::Idle);

    tick.resume();
    EXPECT_EQ(tick.check(true, "Next Scan: 3/15/99 2:00:00 PM", regional, clock).step,
              ScheduleTick::Step::Due);
    const auto garbled = tick.check(true, "Next Scan: soon", regional, clock);
    EXPECT_EQ(garbled.step, ScheduleTick::Step::Failed);
    EXPECT_EQ(garbled.error, "' soon' is not a valid date and time");
}

TEST(ScheduleTickTest, FailedComputationAfterAScanRestsTheTicks) {
    ScheduleTick tick;
    const RegionalSettings regional = unitedStates();
    const FixedClock clock(makeDateTime(1999, 3, 15, 14, 31, 0));
    EXPECT_TRUE(tick.fail());
    EXPECT_FALSE(tick.fail());
    // The old, due time stays shown, and no scan follows from it.
    EXPECT_EQ(tick.check(true, "Next Scan: 3/15/99 2:30:00 PM", regional, clock).step,
              ScheduleTick::Step::Idle);
    tick.resume();
    EXPECT_TRUE(tick.fail());
}

class ScheduleTickFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "korvane-tick-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(ScheduleTickFileTest, TimedScanIsRecordedAsTheMinuteTextAndTheNextTimeShown) {
    SettingsAccess settings((folder_ / "krvane.ini").string());
    settings.writeText("Schedule", "OptionChecked", "1");
    settings.writeText("Schedule", "MinuteInterval", "10");
    const RegionalSettings regional = unitedStates();
    const FixedClock clock(makeDateTime(1999, 3, 15, 14, 30, 41));

    recordTimedScan(settings, regional, clock);
    EXPECT_EQ(settings.readText("Schedule", "LastScan", ""), "3/15/99 2:30 PM");
    // Ten minutes of 60.48 seconds each from 2:30 PM, cut to the minute.
    EXPECT_EQ(computeNextScanText(settings, regional, clock), "Next Scan: 3/15/99 2:40:00 PM");

    settings.writeText("Schedule", "OptionChecked", "0");
    EXPECT_EQ(computeNextScanText(settings, regional, clock), "");
}

}  // namespace
}  // namespace korvane
