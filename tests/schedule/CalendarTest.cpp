// The calendar helpers of the monthly schedule.
#include <gtest/gtest.h>

#include <stdexcept>

#include "schedule/Calendar.h"
#include "settings/UserError.h"

namespace korvane {
namespace {

TEST(CalendarTest, LeapYearsAndMonthLengths) {
    for (int year : {1996, 2000, 2004, 1600, -4, -400, 0}) {
        EXPECT_TRUE(FBOOLIsLeapYear(year)) << year;
    }
    for (int year : {1900, 1999, 2100, 2001, -100, -3}) {
        EXPECT_FALSE(FBOOLIsLeapYear(year)) << year;
    }
    EXPECT_EQ(FINTDaysPerMonth(2100, 2), 28);
    EXPECT_EQ(FINTDaysPerMonth(2004, 2), 29);
    EXPECT_EQ(FINTDaysPerMonth(2000, 2), 29);
    EXPECT_EQ(FINTDaysPerMonth(2001, 4), 30);
    EXPECT_EQ(FINTDaysPerMonth(2001, 12), 31);
    EXPECT_THROW(FINTDaysPerMonth(2001, 0), std::out_of_range);
    EXPECT_THROW(FINTDaysPerMonth(2001, 13), std::out_of_range);
}

struct ChangeMonthCase {
    const char* name;
    int count;
    int direction;
    DateTime from;
    DateTime expected;
};

TEST(CalendarTest, ChangeMonthKeepsTheDayWhereTheMonthHasIt) {
    const ChangeMonthCase cases[] = {
        {"short February", 1, 1, makeDate(2001, 1, 31), makeDate(2001, 2, 28)},
        {"leap February", 1, 1, makeDate(2000, 1, 31), makeDate(2000, 2, 29)},
        {"1900 is no leap year", 1, 1, makeDate(1900, 1, 31), makeDate(1900, 2, 28)},
        {"day taken from the start", 2, 1, makeDate(2001, 1, 31), makeDate(2001, 3, 31)},
        {"backward", 1, -1, makeDate(2001, 3, 31), makeDate(2001, 2, 28)},
        {"time dropped", 1, 1, makeDateTime(2001, 5, 15, 14, 30), makeDate(2001, 6, 15)},
        {"count 0 unchanged", 0, 1, makeDateTime(2001, 5, 15, 14, 30),
         makeDateTime(2001, 5, 15, 14, 30)},
        {"negative count unchanged", -3, 1, makeDateTime(2001, 5, 15, 14, 30),
         makeDateTime(2001, 5, 15, 14, 30)},
        {"direction 0 drops the time only", 1, 0, makeDateTime(2001, 1, 31, 9, 0),
         makeDate(2001, 1, 31)},
        {"year rolls over", 1, 1, makeDate(2001, 12, 15), makeDate(2002, 1, 15)},
        {"a long way", 1200, 1, makeDate(1999, 1, 31), makeDate(2099, 1, 31)},
        {"direction 28 still one month", 1, 28, makeDate(2001, 1, 31), makeDate(2001, 2, 28)},
        {"direction -28 still one month", 2, -28, makeDate(2001, 3, 31), makeDate(2001, 1, 31)},
    };
    for (const ChangeMonthCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FDTChangeMonth(c.count, c.direction, c.from), c.expected);
    }
}

TEST(CalendarTest, ChangeMonthFailsWhenItLeavesTheCalendar) {
    EXPECT_THROW(FDTChangeMonth(12, 1, makeDate(9999, 6, 1)), UserError);
    EXPECT_THROW(FDTChangeMonth(1, -1, makeDate(1, 1, 1)), UserError);
    // A count far too large stops at the end of the calendar instead of running on.
    EXPECT_THROW(FDTChangeMonth(2'000'000'000, 1, makeDate(2001, 1, 1)), UserError);
}

}  // namespace
}  // namespace korvane
