// Formatting date-time values with patterns, and the short date, short time, minute and full
// texts under different regional settings.
#include <gtest/gtest.h>

#include "schedule/DateTimeFormat.h"
#include "support/SettingsExamples.h"

namespace korvane {
namespace {

using test::unitedStates;

RegionalSettings german() {
    RegionalSettings settings;
    settings.dateSeparator = '.';
    settings.shortDatePattern = "dd/mm/yyyy";
    settings.twelveHourClock = false;
    settings.hourLeadingZero = true;
    settings.amDesignator = "";
    settings.pmDesignator = "";
    return settings;
}

struct PatternCase {
    const char* pattern;
    DateTime value;
    const char* expected;
};

TEST(DateTimeFormatTest, ReplacesEachSpecifierLetterCaseIgnored) {
    const DateTime afternoon = makeDateTime(1999, 3, 15, 14, 5, 9);
    const DateTime morning = makeDateTime(2005, 11, 5, 0, 30, 0);
    const PatternCase cases[] = {
        {"d dd", morning, "5 05"},
        {"d dd", afternoon, "15 15"},
        {"m mm", morning, "11 11"},
        {"m mm", afternoon, "3 03"},
        {"mmm mmmm", afternoon, "Mar March"},
        {"MMMM", morning, "November"},
        {"ddd dddd", afternoon, "Mon Monday"},
        {"yy yyyy", morning, "05 2005"},
        {"h:mm", afternoon, "14:05"},
        {"HH:MM:SS", afternoon, "14:05:09"},
        {"h:m:s", afternoon, "14:5:9"},
        {"hh:mm AMPM", afternoon, "02:05 PM"},
        {"h:mm ampm", morning, "12:30 AM"},
        {"AMPM h:mm", afternoon, "PM 2:05"},
        // A month after an hour is the minutes, whatever stands between; after another letter
        // it is the month again.
        {"h - mm", afternoon, "14 - 05"},
        {"h d mm", afternoon, "14 15 03"},
        {"ddddd", afternoon, "3/15/99"},
        {"t", afternoon, "2:05 PM"},
        {"tt", afternoon, "2:05:09 PM"},
        {"ddddd t", morning, "11/5/05 12:30 AM"},
        {"[x]/q:", afternoon, "[x]/q:"},
    };
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(formatDateTime(c.pattern, c.value, unitedStates()), c.expected);
    }
}

TEST(DateTimeFormatTest, SeparatorsComeFromTheRegionalSettings) {
    RegionalSettings settings = unitedStates();
    settings.dateSeparator = '-';
    settings.timeSeparator = '.';
    EXPECT_EQ(formatDateTime("m/d/yy h:mm", makeDateTime(1999, 3, 15, 14, 5), settings),
              "3-15-99 14.05");
}

struct TextsCase {
    const char* name;
    RegionalSettings settings;
    DateTime value;
    const char* shortDate;
    const char* shortTime;
    const char* minute;
    const char* full;
};

TEST(DateTimeFormatTest, TextsOfTheSchedule) {
    RegionalSettings before = unitedStates();
    before.designatorBefore = true;
    const DateTime withSeconds = makeDateTime(1999, 3, 15, 14, 30, 45);
    const DateTime midnight = makeDate(1999, 3, 15);
    const TextsCase cases[] = {
        {"US with seconds", unitedStates(), withSeconds, "3/15/99", "2:30 PM", "3/15/99 2:30 PM",
         "3/15/99 2:30:45 PM"},
        {"US midnight", unitedStates(), midnight, "3/15/99", "12:00 AM", "3/15/99 12:00 AM",
         "3/15/99"},
        {"US noon", unitedStates(), midnight + 0.5, "3/15/99", "12:00 PM", "3/15/99 12:00 PM",
         "3/15/99 12:00:00 PM"},
        {"fallbacks", RegionalSettings{}, withSeconds, "3/15/99", "2:30 pm", "3/15/99 2:30 pm",
         "3/15/99 2:30:45 pm"},
        {"designator before", before, withSeconds, "3/15/99", "PM 2:30", "3/15/99 PM 2:30",
         "3/15/99 PM 2:30:45"},
        {"German", german(), withSeconds, "15.03.1999", "14:30", "15.03.1999 14:30",
         "15.03.1999 14:30:45"},
        {"German midnight", german(), midnight, "15.03.1999", "00:00", "15.03.1999 00:00",
         "15.03.1999"},
        // Only milliseconds past midnight: the full text still shows the date alone.
        {"milliseconds", german(), midnight + 0.4 / 86'400.0, "15.03.1999", "00:00",
         "15.03.1999 00:00", "15.03.1999"},
    };
    for (const TextsCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shortDateText(c.value, c.settings), c.shortDate);
        EXPECT_EQ(shortTimeText(c.value, c.settings), c.shortTime);
        EXPECT_EQ(minuteText(c.value, c.settings), c.minute);
        EXPECT_EQ(fullText(c.value, c.settings), c.full);
    }
}

TEST(DateTimeFormatTest, APatternThatNamesItselfEnds) {
    RegionalSettings settings = unitedStates();
    settings.shortDatePattern = "ddddd";
    EXPECT_EQ(formatDateTime("ddddd", makeDate(1999, 3, 15), settings), "");
}

}  // namespace
}  // namespace korvane
