// The options record: every option the settings file keeps for the main window, in the forms the
// window's controls hold them, with the load that fills it and the save that writes it back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/SettingsAccess.h"

namespace korvane {

/// One row of the pattern list.
struct PatternOption {
    std::string pattern;
    bool ticked = false;
};

/// The interval and parameter texts of the schedule, in the order the load reads them.
enum class IntervalKey : std::size_t {
    MinuteInterval,
    HourInterval,
    DayInterval,
    WeekInterval,
    MonthInterval,
    HourParameter,
};
inline constexpr std::size_t kIntervalKeyCount = 6;

/// The key name of an interval or parameter text ("MinuteInterval", ...).
std::string_view intervalKeyName(IntervalKey key);

/// Reads and writes the time of day of the daily schedule as the short time text of the regional
/// settings. The settings library knows no regional settings, so the schedule supplies them.
class TimeOfDayText {
public:
    virtual ~TimeOfDayText() = default;

    /// The time of day as a fraction of a day; throws UserError "'<text>' is not a valid time".
    virtual double read(std::string_view text) const = 0;
    /// The short time text of a time of day.
    virtual std::string format(double timeOfDay) const = 0;
    /// The short time text of the present moment: the load's default.
    virtual std::string presentText() const = 0;
};

/// The stored options. The member initialisers are the design values of the controls, which
/// stand wherever a load did not reach a key.
struct Options {
    bool autoErase = true;                ///< [Settings] AutoErase: chkClean
    std::vector<int> tickedDrives;        ///< [Settings] Drives: positions in the drive list
    std::int32_t deleteOption = 2;        ///< [Settings] DeleteOption: 1, 2, 3 (others: none)
    std::vector<PatternOption> patterns;  ///< [Scan] ScanFor
    /// [Scan] Check1, Check2, Check3: the Temp, cache and cookies boxes.
    std::array<bool, 3> specialFolders = {true, true, true};
    bool autoScan = true;       ///< [Schedule] AutoScan: cbSchedule
    bool checkHDSpace = false;  ///< [Schedule] CheckHDSpace: cbOnlyScan
    /// [Schedule] SpaceToCheck as the text of meMegs; the load gives the number's digits.
    std::string spaceToCheck = " 100";
    std::int32_t optionChecked = 0;  ///< [Schedule] OptionChecked: 1 to 5 (others: none)
    /// The number fields' texts, indexed by IntervalKey.
    std::array<std::string, kIntervalKeyCount> intervals = {"30", " 5", " 5", " 1", " 1", "30"};
    double dayParameter = 0.0;          ///< [Schedule] DayParameter: dt1's time of day
    std::int32_t weekParameter = 0;     ///< [Schedule] WeekParameter: cbDays' index plus 1
    std::string monthParameter = " 1";  ///< [Schedule] MonthParameter: meDayOfTheMonth

    std::string& interval(IntervalKey key) { return intervals[static_cast<std::size_t>(key)]; }
    const std::string& interval(IntervalKey key) const {
        return intervals[static_cast<std::size_t>(key)];
    }
};

/// What a load read, and which of the keys that can fail did not load.
struct LoadedOptions {
    Options options;
    bool drivesLoaded = true;
    std::array<bool, kIntervalKeyCount> intervalsLoaded = {true, true, true, true, true, true};
    bool dayParameterLoaded = true;
    /// The messages of the keys that did not load, one per key, in the order read.
    std::vector<std::string> errors;

    bool intervalLoaded(IntervalKey key) const {
        return intervalsLoaded[static_cast<std::size_t>(key)];
    }
};

/// Reads every option. A key that does not read back (an interval text or a Drives entry that is
/// not a whole number, a DayParameter that is not a time) keeps its design value and adds its
/// message to `errors`; the other keys load all the same.
LoadedOptions LoadSettings(const SettingsAccess& settings, const TimeOfDayText& times);

/// Writes every option in one atomic replacement of the file, in the order and with the key
/// placement of single-key writes. A SpaceToCheck text that is not a whole number throws
/// UserError "'<text>' is not a valid integer value" after writing the keys before it.
void SaveSettings(SettingsAccess& settings, const Options& options, const TimeOfDayText& times);

}  // namespace korvane
