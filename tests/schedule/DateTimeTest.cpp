// The date-time value: splitting into fields, building from them, weekdays and cutting.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "schedule/DateTime.h"
#include "settings/UserError.h"

namespace korvane {
namespace {

struct SplitCase {
    double days;
    DateTimeFields expected;
};

TEST(DateTimeTest, SplitsIntoFieldsAfterRoundingToTheMillisecond) {
    const SplitCase cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0, 0, 7}},
        {1.0, {1899, 12, 31, 0, 0, 0, 0, 1}},
        {36'222.375, {1999, 3, 3, 9, 0, 0, 0, 4}},
        {36'526.5, {2000, 1, 1, 12, 0, 0, 0, 7}},
        // Half a millisecond before midnight rounds up into the next day.
        {36'526.0 - 0.4 / 86'400'000.0, {2000, 1, 1, 0, 0, 0, 0, 7}},
        {36'526.0 - 0.6 / 86'400'000.0, {1999, 12, 31, 23, 59, 59, 999, 6}},
        // Before 1899 the date counts back and the time of day still runs forward.
        {-1.25, {1899, 12, 28, 18, 0, 0, 0, 5}},
        {-693'593.0, {1, 1, 1, 0, 0, 0, 0, 2}},
        {2'958'465.0, {9999, 12, 31, 0, 0, 0, 0, 6}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.days);
        const DateTimeFields f = DateTime(c.days).fields();
        EXPECT_EQ(f.year, c.expected.year);
        EXPECT_EQ(f.month, c.expected.month);
        EXPECT_EQ(f.day, c.expected.day);
        EXPECT_EQ(f.hour, c.expected.hour);
        EXPECT_EQ(f.minute, c.expected.minute);
        EXPECT_EQ(f.second, c.expected.second);
        EXPECT_EQ(f.millisecond, c.expected.millisecond);
        EXPECT_EQ(f.weekday, c.expected.weekday);
    }
}

TEST(DateTimeTest, BuildsFromFieldsAndSplitsBackTheSame) {
    for (int year : {1, 1600, 1899, 1900, 1999, 2000, 2024, 9999}) {
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(month));
            const DateTime value = makeDateTime(year, month, 28, 23, 59, 58, 999);
            const DateTimeFields f = value.fields();
            EXPECT_EQ(f.year, year);
            EXPECT_EQ(f.month, month);
            EXPECT_EQ(f.day, 28);
            EXPECT_EQ(f.hour, 23);
            EXPECT_EQ(f.minute, 59);
            EXPECT_EQ(f.second, 58);
            EXPECT_EQ(f.millisecond, 999);
        }
    }
    // Adding 1 adds a day, on both sides of 30 December 1899.
    EXPECT_EQ((makeDateTime(1899, 12, 29, 6, 0) + 1.0).fields().day, 30);
    EXPECT_EQ((makeDateTime(1899, 12, 29, 6, 0) + 1.0).fields().hour, 6);
}

TEST(DateTimeTest, RefusesDatesAndTimesThatDoNotExist) {
    EXPECT_FALSE(tryMakeDate(0, 1, 1));
    EXPECT_FALSE(tryMakeDate(10'000, 1, 1));
    EXPECT_FALSE(tryMakeDate(2001, 2, 29));
    EXPECT_TRUE(tryMakeDate(2000, 2, 29));
    EXPECT_FALSE(tryMakeDate(2001, 13, 1));
    EXPECT_FALSE(tryMakeDate(2001, 4, 31));
    EXPECT_FALSE(tryMakeDate(2001, 1, 0));
    EXPECT_FALSE(tryMakeTime(24, 0, 0));
    EXPECT_FALSE(tryMakeTime(0, 60, 0));
    EXPECT_FALSE(tryMakeTime(0, 0, 60));
    EXPECT_THROW(makeDate(2001, 2, 29), UserError);
    EXPECT_THROW(makeDateTime(2001, 2, 28, 25, 0), UserError);
}

TEST(DateTimeTest, CutsToTheMinuteAndTellsMidnight) {
    const DateTime value = makeDateTime(1999, 3, 15, 14, 30, 59, 999);
    EXPECT_EQ(value.cutToMinute(), makeDateTime(1999, 3, 15, 14, 30, 0));
    EXPECT_EQ(value.dateOnly(), makeDate(1999, 3, 15));
    EXPECT_EQ(makeDateTime(1899, 12, 29, 6, 0, 30).cutToMinute(), makeDateTime(1899, 12, 29, 6, 0));
    EXPECT_TRUE(makeDate(1999, 3, 15).isMidnight());
    // Milliseconds alone do not make a time of day.
    EXPECT_TRUE(makeDateTime(1999, 3, 15, 0, 0, 0, 400).isMidnight());
    EXPECT_FALSE(makeDateTime(1999, 3, 15, 0, 0, 1).isMidnight());
}

TEST(DateTimeTest, ValuesBeyondAnyCalendarFailInsteadOfOverflowing) {
    EXPECT_THROW(DateTime(std::numeric_limits<double>::infinity()).fields(), UserError);
    EXPECT_THROW(DateTime(std::nan("")).fields(), UserError);
    EXPECT_THROW(DateTime(1e300).cutToMinute(), UserError);
}

}  // namespace
}  // namespace korvane
