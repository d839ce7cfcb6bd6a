// Shared sample data for tests: the settings file a first start and a user's choices leave
// behind, and the United States regional settings its texts are written in.
#pragma once

#include "schedule/RegionalSettings.h"

namespace korvane::test {

/// The settings file after a first start on 14 June 1999, a user's choices (second and third
/// drive, two patterns, the Trash, no cookies, automatic clean, every 2 days at 10:30 PM) and
/// a timed scan on 16 June at 10:30 PM.
inline constexpr const char* kExampleSettingsFile =
    "[Main]\n"
    "FirstRun=0\n"
    "\n"
    "[Schedule]\n"
    "LastScan=6/16/99 10:30 PM\n"
    "AutoScan=1\n"
    "CheckHDSpace=0\n"
    "SpaceToCheck=100\n"
    "OptionChecked=3\n"
    "MinuteInterval=30\n"
    "HourInterval=5\n"
    "DayInterval=2\n"
    "WeekInterval=1\n"
    "MonthInterval=1\n"
    "HourParameter=30\n"
    "DayParameter=10:30 PM\n"
    "WeekParameter=0\n"
    "MonthParameter=1\n"
    "\n"
    "[Settings]\n"
    "AutoErase=1\n"
    "DeleteOption=2\n"
    "Drives=1,2,\n"
    "\n"
    "[Scan]\n"
    "Check1=1\n"
    "Check2=1\n"
    "Check3=0\n"
    "ScanFor=*.tmp,1,*.bak,0,\n";

/// "m/d/yy" with "/", ":" and a 12-hour clock with "AM" and "PM" behind the time.
inline RegionalSettings unitedStates() {
    RegionalSettings settings;
    settings.amDesignator = "AM";
    settings.pmDesignator = "PM";
    return settings;
}

}  // namespace korvane::test
