// Reading date-time texts back: dates in the regional order, times with designators, two-digit
// years, and the reader's error messages.
#include <gtest/gtest.h>

#include "schedule/DateTimeFormat.h"
#include "schedule/DateTimeReader.h"
#include "settings/UserError.h"
#include "support/SettingsExamples.h"

namespace korvane {
namespace {

using test::unitedStates;

constexpr int kCurrentYear = 2025;

RegionalSettings dayFirst() {
    RegionalSettings settings;
    settings.dateSeparator = '.';
    settings.shortDatePattern = "dd/mm/yyyy";
    settings.twelveHourClock = false;
    settings.hourLeadingZero = true;
    settings.amDesignator = "vorm.";
    settings.pmDesignator = "nachm.";
    return settings;
}

RegionalSettings yearFirst() {
    RegionalSettings settings;
    settings.dateSeparator = '-';
    settings.shortDatePattern = "yyyy/mm/dd";
    settings.twelveHourClock = false;
    return settings;
}

struct ReadCase {
    const char* text;
    RegionalSettings settings;
    DateTime expected;
};

TEST(DateTimeReaderTest, ReadsDatesAndTimes) {
    const ReadCase cases[] = {
        {"3/15/99", unitedStates(), makeDate(1999, 3, 15)},
        {"3/15/99 2:30 PM", unitedStates(), makeDateTime(1999, 3, 15, 14, 30)},
        {"  3 / 15 / 1999   2 : 30 : 45   pm", unitedStates(),
         makeDateTime(1999, 3, 15, 14, 30, 45)},
        {"3/15/99 PM 2:30", unitedStates(), makeDateTime(1999, 3, 15, 14, 30)},
        {"3/15/99 2pm", unitedStates(), makeDateTime(1999, 3, 15, 14, 0)},
        {"3/15/99 14:30", unitedStates(), makeDateTime(1999, 3, 15, 14, 30)},
        {"3/15/99 14", unitedStates(), makeDateTime(1999, 3, 15, 14, 0)},
        {"3/15/99 12:00 AM", unitedStates(), makeDate(1999, 3, 15)},
        {"3/15/99 12:00 PM", unitedStates(), makeDateTime(1999, 3, 15, 12, 0)},
        {"3/15/99 12:00", unitedStates(), makeDateTime(1999, 3, 15, 12, 0)},
        {"3/15/99 2:30 PM and more", unitedStates(), makeDateTime(1999, 3, 15, 14, 30)},
        {"03/05/0099", unitedStates(), makeDate(99, 3, 5)},
        {"3/15", unitedStates(), makeDate(kCurrentYear, 3, 15)},
        {"15.03.1999 14:30", dayFirst(), makeDateTime(1999, 3, 15, 14, 30)},
        {"15.3.99 2:30 nachm.", dayFirst(), makeDateTime(1999, 3, 15, 14, 30)},
        {"15.3.99 2:30 PM", dayFirst(), makeDateTime(1999, 3, 15, 14, 30)},
        {"15.3", dayFirst(), makeDate(kCurrentYear, 3, 15)},
        {"1999-03-15 07:05:01", yearFirst(), makeDateTime(1999, 3, 15, 7, 5, 1)},
        {"3-15", yearFirst(), makeDate(kCurrentYear, 3, 15)},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readDateTime(c.text, c.settings, kCurrentYear), c.expected);
    }
}

TEST(DateTimeReaderTest, TwoDigitYearsLieWithinFiftyYearsOfTheCurrentOne) {
    EXPECT_EQ(expandTwoDigitYear(0, 2025), 2000);
    EXPECT_EQ(expandTwoDigitYear(74, 2025), 2074);
    EXPECT_EQ(expandTwoDigitYear(75, 2025), 1975);
    EXPECT_EQ(expandTwoDigitYear(99, 2025), 1999);
    // Near the end of a century the next one's years are no longer read a century early.
    EXPECT_EQ(expandTwoDigitYear(1, 2099), 2101);
    EXPECT_EQ(readDateTime("1/1/02", unitedStates(), 2099), makeDate(2102, 1, 1));
}

struct ErrorCase {
    const char* text;
    const char* message;
};

TEST(DateTimeReaderTest, RefusesWhatIsNotADateAndTime) {
    const ErrorCase cases[] = {
        {"", "'' is not a valid date and time"},
        {"Default", "'Default' is not a valid date and time"},
        {"3/15/99 junk", "'3/15/99 junk' is not a valid date and time"},
        {"13/15/99", "'13/15/99' is not a valid date and time"},
        {"2/29/99", "'2/29/99' is not a valid date and time"},
        {"3/15/99 13:00 PM", "'3/15/99 13:00 PM' is not a valid date and time"},
        {"3/15/99 0:30 AM", "'3/15/99 0:30 AM' is not a valid date and time"},
        {"3/15/99 24:00", "'3/15/99 24:00' is not a valid date and time"},
        {"3/15/99 2:60", "'3/15/99 2:60' is not a valid date and time"},
        {"3/15/99 15:", "'3/15/99 15:' is not a valid date and time"},
        {"3/15/99 15:30:", "'3/15/99 15:30:' is not a valid date and time"},
        {"3-15-99", "'3-15-99' is not a valid date and time"},
        {"3/15/", "'3/15/' is not a valid date and time"},
        {"3/15/99 12345", "'3/15/99 12345' is not a valid date and time"},
        {"99999/1/1", "'99999/1/1' is not a valid date and time"},
        {"10:30", "'10:30' is not a valid date and time"},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            readDateTime(c.text, unitedStates(), kCurrentYear);
            ADD_FAILURE() << "no error";
        } catch (const UserError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(DateTimeReaderTest, DateAloneAndTimeAlone) {
    EXPECT_EQ(readDate(" 3/15/99 ", unitedStates(), kCurrentYear), makeDate(1999, 3, 15));
    EXPECT_EQ(readTime("2:30 PM", unitedStates()), makeDateTime(1899, 12, 30, 14, 30));
    EXPECT_EQ(readTime(" 14:30:15 ", unitedStates()), makeDateTime(1899, 12, 30, 14, 30, 15));
    EXPECT_EQ(readTime("12:00", unitedStates()), makeDateTime(1899, 12, 30, 12, 0));

    const ErrorCase dateErrors[] = {
        {"3/15/99 2:30 PM", "'3/15/99 2:30 PM' is not a valid date"},
        {"3/32/99", "'3/32/99' is not a valid date"},
    };
    for (const ErrorCase& c : dateErrors) {
        SCOPED_TRACE(c.text);
        try {
            readDate(c.text, unitedStates(), kCurrentYear);
            ADD_FAILURE() << "no error";
        } catch (const UserError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
    const ErrorCase timeErrors[] = {
        {"", "'' is not a valid time"},
        {"2:30 PM later", "'2:30 PM later' is not a valid time"},
        {"3/15/99", "'3/15/99' is not a valid time"},
        {"25:00", "'25:00' is not a valid time"},
    };
    for (const ErrorCase& c : timeErrors) {
        SCOPED_TRACE(c.text);
        try {
            readTime(c.text, unitedStates());
            ADD_FAILURE() << "no error";
        } catch (const UserError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(DateTimeReaderTest, TextsReadBackToTheirValue) {
    RegionalSettings before = unitedStates();
    before.designatorBefore = true;
    const RegionalSettings settingsList[] = {unitedStates(), RegionalSettings{}, before, dayFirst(),
                                             yearFirst()};
    const DateTime values[] = {makeDateTime(1999, 12, 31, 23, 59, 59), makeDate(2000, 2, 29),
                               makeDateTime(2024, 7, 1, 0, 0, 1), makeDateTime(2051, 1, 9, 12, 0)};
    for (const RegionalSettings& settings : settingsList) {
        for (const DateTime value : values) {
            SCOPED_TRACE(fullText(value, settings));
            EXPECT_EQ(readDateTime(fullText(value, settings), settings, kCurrentYear), value);
            EXPECT_EQ(readDateTime(minuteText(value, settings), settings, kCurrentYear),
                      value.cutToMinute());
            EXPECT_EQ(readTime(shortTimeText(value, settings), settings).milliseconds(),
                      value.cutToMinute().milliseconds() - value.dateOnly().milliseconds());
        }
    }
}

}  // namespace
}  // namespace korvane
