// The next-scan computation with a pinned clock and United States settings ("m/d/yy", "/",
// a 12-hour clock with "AM"/"PM" behind the time, ":"), over temporary settings files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "schedule/DateTimeFormat.h"
#include "schedule/NextScan.h"
#include "settings/UserError.h"
#include "support/SettingsExamples.h"

namespace korvane {
namespace {

using test::unitedStates;

namespace fs = std::filesystem;

constexpr const char* kMissing = "<missing>";

DateTime at(int month, int day, int hour, int minute, int second = 0, int year = 1999) {
    return makeDateTime(year, month, day, hour, minute, second);
}

class NextScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        regional_ = unitedStates();
        std::string name = (fs::temp_directory_path() / "korvane-nextscan-XXXXXX").string();
        ASSERT_NE(mkdtemp(name.data()), nullptr);
        folder_ = name;
        path_ = (folder_ / "krvane.ini").string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    void writeSchedule(const std::string& lines) {
        std::ofstream(path_) << "[Schedule]\n" << lines;
    }

    std::string lastScan() const {
        return SettingsAccess(path_).readText("Schedule", "LastScan", kMissing);
    }

    std::optional<DateTime> compute(DateTime now) {
        SettingsAccess settings(path_);
        const FixedClock clock(now);
        return ComputeNextScan(settings, regional_, clock);
    }

    // The result as its full text, for readable failures.
    std::string computeText(DateTime now) {
        const std::optional<DateTime> next = compute(now);
        return next ? fullText(*next, regional_) : "<none>";
    }

    std::string errorOf(DateTime now) {
        try {
            compute(now);
        } catch (const UserError& error) {
            return error.what();
        }
        return "<no error>";
    }

    RegionalSettings regional_;
    fs::path folder_;
    std::string path_;
};

struct ScheduleCase {
    const char* name;
    const char* settings;
    DateTime now;
    const char* expected;
};

TEST_F(NextScanTest, BootstrapRecordsAMomentJustAheadAndCountsFromIt) {
    const DateTime now = at(3, 15, 10, 15, 40);
    // No file at all: kind 1, 30 minutes. 10:15:40 + 86.4 s is 10:17:06.4, cut to 10:17; then
    // 30 units of 60.48 s give 10:47:14.4.
    EXPECT_EQ(computeText(now), "3/15/99 10:47:00 AM");
    EXPECT_EQ(lastScan(), "3/15/99 10:17:00 AM");

    // Kinds 4 and 5 look 172.8 s ahead: 10:18:32.8, cut to 10:18.
    writeSchedule("OptionChecked=5\nLastScan=Default\n");
    EXPECT_EQ(computeText(now), "5/1/99");
    EXPECT_EQ(lastScan(), "3/15/99 10:18:00 AM");

    // Only the exact word counts as missing.
    writeSchedule("OptionChecked=1\nLastScan=default\n");
    EXPECT_EQ(computeText(now), "3/15/99 10:45:00 AM");
    EXPECT_EQ(lastScan(), "3/15/99 10:15:40 AM");
}

TEST_F(NextScanTest, KindsOutsideTheScheduleGiveNothingAndWriteNothing) {
    for (const char* kind : {"0", "6", "-1"}) {
        SCOPED_TRACE(kind);
        writeSchedule(std::string("OptionChecked=") + kind + "\nLastScan=not a date\n");
        EXPECT_EQ(compute(at(3, 15, 10, 0)), std::nullopt);
        EXPECT_EQ(lastScan(), "not a date");
    }
    writeSchedule("OptionChecked=6\n");
    EXPECT_EQ(compute(at(3, 15, 10, 0)), std::nullopt);
    EXPECT_EQ(lastScan(), kMissing);
}

TEST_F(NextScanTest, EveryNMinutes) {
    const ScheduleCase cases[] = {
        // A unit is 60.48 s, so the seconds of the last scan decide between N and N + 1 minutes.
        {"59 from whole minute", "MinuteInterval=59\nLastScan=3/15/99 10:00:00 AM\n",
         at(3, 15, 10, 0, 10), "3/15/99 10:59:00 AM"},
        {"59 from 45 seconds", "MinuteInterval=59\nLastScan=3/15/99 10:00:45 AM\n",
         at(3, 15, 10, 0, 50), "3/15/99 11:00:00 AM"},
        {"default interval", "LastScan=3/15/99 10:00 AM\n", at(3, 15, 10, 0),
         "3/15/99 10:30:00 AM"},
        {"last scan hours old", "MinuteInterval=30\nLastScan=3/15/99 7:00 AM\n",
         at(3, 15, 10, 15, 40), "3/15/99 10:17:00 AM"},
        {"due this minute stays", "MinuteInterval=30\nLastScan=3/15/99 9:45 AM\n",
         at(3, 15, 10, 15, 50), "3/15/99 10:15:00 AM"},
    };
    for (const ScheduleCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeSchedule(std::string("OptionChecked=1\n") + c.settings);
        EXPECT_EQ(computeText(c.now), c.expected);
    }
}

TEST_F(NextScanTest, MinutesAndDaysRecoverFromAnUnreadableLastScan) {
    const DateTime now = at(3, 15, 9, 0, 20);
    const ScheduleCase cases[] = {
        // The present moment to the second plus 30 units: 9:00:20 + 1814.4 s is 9:30:34.4.
        {"minutes", "OptionChecked=1\nLastScan=15.03.1999 9:00\n", now, "3/15/99 9:30:00 AM"},
        {"minutes, empty", "OptionChecked=1\nLastScan=\n", now, "3/15/99 9:30:00 AM"},
        {"days", "OptionChecked=3\nDayParameter=12:00 PM\nLastScan=yesterday\n", now,
         "3/16/99 12:00:00 PM"},
    };
    for (const ScheduleCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeSchedule(c.settings);
        EXPECT_EQ(computeText(c.now), c.expected);
        EXPECT_EQ(lastScan(), "3/15/99 9:00:20 AM");
    }
}

TEST_F(NextScanTest, EveryNHoursAtAMinute) {
    const char* settings =
        "OptionChecked=2\nHourInterval=3\nHourParameter=30\n"
        "LastScan=3/15/99 10:45 AM\n";
    const ScheduleCase cases[] = {
        {"hour of last plus N", settings, at(3, 15, 11, 0), "3/15/99 1:30:00 PM"},
        {"this hour", settings, at(3, 15, 14, 10), "3/15/99 2:30:00 PM"},
        {"next hour", settings, at(3, 15, 14, 40), "3/15/99 3:30:00 PM"},
        {"defaults: 3 hours at 30", "OptionChecked=2\nLastScan=3/15/99 10:45 AM\n",
         at(3, 15, 11, 0), "3/15/99 1:30:00 PM"},
        {"across midnight",
         "OptionChecked=2\nHourInterval=2\nHourParameter=5\n"
         "LastScan=3/15/99 11:50 PM\n",
         at(3, 15, 23, 55), "3/16/99 1:05:00 AM"},
    };
    for (const ScheduleCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeSchedule(c.settings);
        EXPECT_EQ(computeText(c.now), c.expected);
    }
}

TEST_F(NextScanTest, EveryNDaysAtATimeOfDay) {
    const char* settings =
        "OptionChecked=3\nDayInterval=1\nDayParameter=12:00 PM\n"
        "LastScan=3/14/99 12:00 PM\n";
    const ScheduleCase cases[] = {
        {"later today", settings, at(3, 15, 9, 0), "3/15/99 12:00:00 PM"},
        {"within the minute", settings, at(3, 15, 12, 0, 30), "3/15/99 12:00:00 PM"},
        {"tomorrow", settings, at(3, 15, 15, 0), "3/16/99 12:00:00 PM"},
        {"default noon", "OptionChecked=3\nLastScan=3/14/99 8:00 AM\n", at(3, 15, 9, 0),
         "3/15/99 12:00:00 PM"},
        {"interval ahead",
         "OptionChecked=3\nDayInterval=5\nDayParameter=10:30 PM\n"
         "LastScan=3/14/99 10:30 PM\n",
         at(3, 15, 9, 0), "3/19/99 10:30:00 PM"},
    };
    for (const ScheduleCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeSchedule(c.settings);
        EXPECT_EQ(computeText(c.now), c.expected);
    }
}

TEST_F(NextScanTest, EveryNWeeksOnAWeekday) {
    const char* monday =
        "OptionChecked=4\nWeekInterval=1\nWeekParameter=2\n"
        "LastScan=3/3/99 9:00 AM\n";
    const ScheduleCase cases[] = {
        {"first Monday on or after", monday, at(3, 4, 10, 0), "3/15/99 9:00:00 AM"},
        {"candidate past: next Monday now", monday, at(3, 12, 16, 20), "3/15/99 4:20:00 PM"},
        {"candidate past on the weekday: a week on", monday, at(3, 15, 16, 20),
         "3/22/99 4:20:00 PM"},
        {"candidate's own weekday keeps its seconds",
         "OptionChecked=4\nWeekParameter=4\nLastScan=3/3/99 9:00:30 AM\n", at(3, 4, 10, 0),
         "3/10/99 9:00:30 AM"},
        {"no weekday lands on Saturday", "OptionChecked=4\nLastScan=3/3/99 9:00 AM\n",
         at(3, 4, 10, 0), "3/13/99 9:00:00 AM"},
        // Stored weekdays outside 0 to 7 count as none; -1 would otherwise land in the past.
        {"negative weekday", "OptionChecked=4\nWeekParameter=-1\nLastScan=3/3/99 9:00 AM\n",
         at(3, 12, 16, 20), "3/13/99 4:20:00 PM"},
        {"weekday 9", "OptionChecked=4\nWeekParameter=9\nLastScan=3/3/99 9:00 AM\n",
         at(3, 4, 10, 0), "3/13/99 9:00:00 AM"},
    };
    for (const ScheduleCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeSchedule(c.settings);
        EXPECT_EQ(computeText(c.now), c.expected);
    }
}

TEST_F(NextScanTest, EveryNMonthsOnADay) {
    const DateTime now = at(1, 1, 8, 0, 0, 1999);
    const ScheduleCase cases[] = {
        {"31 after 31 January", "MonthParameter=31\nLastScan=1/31/99 10:00 AM\n", now, "2/28/99"},
        {"31 after 28 February", "MonthParameter=31\nLastScan=2/28/99\n", now, "3/31/99"},
        {"31 after 31 March", "MonthParameter=31\nLastScan=3/31/99\n", now, "4/30/99"},
        {"29 in a leap February", "MonthParameter=29\nLastScan=1/29/00\n", now, "2/28/00"},
        {"day before the last scan's", "MonthParameter=15\nLastScan=1/20/99\n", now, "3/15/99"},
        {"over the year", "MonthParameter=30\nLastScan=12/31/00\n", now, "2/28/01"},
        {"two months", "MonthInterval=2\nMonthParameter=20\nLastScan=11/10/99\n", now, "1/20/00"},
        // The day is not compared with the present: a result in the past stays there.
        {"past stays", "MonthParameter=5\nLastScan=1/2/98\n", now, "2/5/98"},
    };
    for (const ScheduleCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeSchedule(std::string("OptionChecked=5\n") + c.settings);
        EXPECT_EQ(computeText(c.now), c.expected);
    }
}

TEST_F(NextScanTest, MonthlyDayFollowsTheRegionalDateOrder) {
    regional_.shortDatePattern = "dd/mm/yyyy";
    regional_.dateSeparator = '.';
    regional_.twelveHourClock = false;
    writeSchedule("OptionChecked=5\nMonthParameter=15\nLastScan=20.01.1999\n");
    EXPECT_EQ(computeText(at(1, 1, 8, 0)), "15.03.1999");
}

struct ErrorCase {
    const char* name;
    const char* settings;
    const char* message;
};

TEST_F(NextScanTest, TextsThatDoNotReadBackEndTheComputation) {
    const ErrorCase cases[] = {
        {"hours, last scan", "OptionChecked=2\nLastScan=3/15/99 junk\n",
         "'3/15/99 junk' is not a valid date and time"},
        {"hours, minute past the hour", "OptionChecked=2\nHourParameter=75\nLastScan=3/15/99\n",
         "'3/15/99 3:75' is not a valid date and time"},
        {"days, time of day", "OptionChecked=3\nDayParameter=noon\nLastScan=3/15/99\n",
         "'3/16/99 noon' is not a valid date and time"},
        {"weeks, last scan", "OptionChecked=4\nLastScan=\n", "'' is not a valid date and time"},
        {"months, last scan", "OptionChecked=5\nLastScan=15.3.1999\n",
         "'15.3.1999' is not a valid date and time"},
        {"months, day not a number", "OptionChecked=5\nMonthParameter=first\nLastScan=3/15/99\n",
         "'first' is not a valid integer value"},
        {"months, day 32", "OptionChecked=5\nMonthParameter=32\nLastScan=4/15/99\n",
         "'5/32/1999 12:00 AM' is not a valid date and time"},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeSchedule(c.settings);
        const std::string before = lastScan();
        EXPECT_EQ(errorOf(at(3, 15, 1, 0)), c.message);
        EXPECT_EQ(lastScan(), before);
    }
}

TEST_F(NextScanTest, ExtremeStoredNumbersGiveAValueOrAnErrorNeverACrash) {
    for (const char* number : {"2147483647", "-2147483648", "0"}) {
        for (const char* kind : {"1", "2", "3", "4", "5"}) {
            SCOPED_TRACE(std::string(kind) + " " + number);
            const std::string n(number);
            writeSchedule(std::string("OptionChecked=") + kind + "\nLastScan=3/15/99 10:00 AM\n" +
                          "MinuteInterval=" + n + "\nHourInterval=" + n + "\nDayInterval=" + n +
                          "\nWeekInterval=" + n + "\nWeekParameter=" + n + "\nMonthInterval=" + n +
                          "\nMonthParameter=" + n + "\n");
            try {
                compute(at(3, 15, 10, 0));
            } catch (const UserError&) {
            }
        }
    }
}

TEST_F(NextScanTest, ARefusedBootstrapWriteIsReported) {
    std::ofstream((folder_ / "file").string()) << "x";
    path_ = (folder_ / "file" / "krvane.ini").string();
    EXPECT_EQ(errorOf(at(3, 15, 10, 0)), "Unable to write to KRVANE.INI");
}

}  // namespace
}  // namespace korvane
