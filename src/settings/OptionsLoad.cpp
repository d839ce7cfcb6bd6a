// The load of the options record, in the order the main window's creation reads the keys. A key
// that does not read back is reported and passed over, so one bad key never hides the others.
#include <utility>

#include "settings/Options.h"
#include "settings/OptionsLists.h"
#include "settings/UserError.h"
#include "settings/WholeNumber.h"

namespace korvane {
namespace {

struct IntervalDefault {
    IntervalKey key;
    const char* text;
};

constexpr IntervalDefault kIntervalDefaults[] = {
    {IntervalKey::MinuteInterval, "30"}, {IntervalKey::HourInterval, "5"},
    {IntervalKey::DayInterval, "5"},     {IntervalKey::WeekInterval, "1"},
    {IntervalKey::MonthInterval, "1"},   {IntervalKey::HourParameter, "30"},
};

}  // namespace

std::string_view intervalKeyName(IntervalKey key) {
    switch (key) {
        case IntervalKey::MinuteInterval:
            return "MinuteInterval";
        case IntervalKey::HourInterval:
            return "HourInterval";
        case IntervalKey::DayInterval:
            return "DayInterval";
        case IntervalKey::WeekInterval:
            return "WeekInterval";
        case IntervalKey::MonthInterval:
            return "MonthInterval";
        case IntervalKey::HourParameter:
            return "HourParameter";
    }
    return {};
}

LoadedOptions LoadSettings(const SettingsAccess& settings, const TimeOfDayText& times) {
    LoadedOptions loaded;
    Options& options = loaded.options;

    options.autoErase = settings.readFlag("Settings", "AutoErase", false);
    try {
        options.tickedDrives = parseDriveList(settings.readListText("Settings", "Drives", ""));
    } catch (const UserError& error) {
        loaded.drivesLoaded = false;
        loaded.errors.emplace_back(error.what());
    }
    options.deleteOption = settings.readInteger("Settings", "DeleteOption", 1);

    options.patterns = parsePatternList(settings.readListText("Scan", "ScanFor", ""));
    options.specialFolders = {settings.readFlag("Scan", "Check1", true),
                              settings.readFlag("Scan", "Check2", true),
                              settings.readFlag("Scan", "Check3", true)};

    options.autoScan = settings.readFlag("Schedule", "AutoScan", true);
    options.checkHDSpace = settings.readFlag("Schedule", "CheckHDSpace", false);
    options.spaceToCheck = std::to_string(settings.readInteger("Schedule", "SpaceToCheck", 100));
    options.optionChecked = settings.readInteger("Schedule", "OptionChecked", 1);

    for (const IntervalDefault& entry : kIntervalDefaults) {
        std::string text = settings.readText("Schedule", intervalKeyName(entry.key), entry.text);
        try {
            readWholeNumber(trimBlanks(text));
            options.interval(entry.key) = std::move(text);
        } catch (const UserError& error) {
            loaded.intervalsLoaded[static_cast<std::size_t>(entry.key)] = false;
            loaded.errors.emplace_back(error.what());
        }
    }

    try {
        options.dayParameter =
            times.read(settings.readText("Schedule", "DayParameter", times.presentText()));
    } catch (const UserError& error) {
        loaded.dayParameterLoaded = false;
        loaded.errors.emplace_back(error.what());
    }

    options.weekParameter = settings.readInteger("Schedule", "WeekParameter", 0);
    options.monthParameter = settings.readText("Schedule", "MonthParameter", "1");
    return loaded;
}

}  // namespace korvane
