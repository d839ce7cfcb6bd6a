// The save of the options record: the keys in the order and placement of single-key writes,
// gathered into one atomic replacement of the settings file.
#include <exception>

#include "settings/Options.h"
#include "settings/OptionsLists.h"
#include "settings/WholeNumber.h"

namespace korvane {
namespace {

void writeOptions(SettingsAccess& settings, const Options& options, const TimeOfDayText& times) {
    settings.writeFlag("Settings", "AutoErase", options.autoErase);
    // The lists are removed and written anew, so they stand last in their sections.
    settings.removeKey("Settings", "Drives");
    if (const std::string drives = buildDriveList(options.tickedDrives); !drives.empty())
        settings.writeText("Settings", "Drives", drives);
    if (options.deleteOption >= 1 && options.deleteOption <= 3)
        settings.writeInteger("Settings", "DeleteOption", options.deleteOption);

    settings.removeKey("Scan", "ScanFor");
    if (const std::string patterns = buildPatternList(options.patterns); !patterns.empty())
        settings.writeText("Scan", "ScanFor", patterns);
    settings.writeFlag("Scan", "Check1", options.specialFolders[0]);
    settings.writeFlag("Scan", "Check2", options.specialFolders[1]);
    settings.writeFlag("Scan", "Check3", options.specialFolders[2]);

    settings.writeFlag("Schedule", "AutoScan", options.autoScan);
    settings.writeFlag("Schedule", "CheckHDSpace", options.checkHDSpace);
    settings.writeInteger("Schedule", "SpaceToCheck",
                          readWholeNumber(trimBlanks(options.spaceToCheck)));
    if (options.optionChecked >= 1 && options.optionChecked <= 5)
        settings.writeInteger("Schedule", "OptionChecked", options.optionChecked);
    for (std::size_t i = 0; i < kIntervalKeyCount; ++i) {
        const auto key = static_cast<IntervalKey>(i);
        settings.writeText("Schedule", intervalKeyName(key), trimBlanks(options.interval(key)));
    }
    settings.writeText("Schedule", "DayParameter", times.format(options.dayParameter));
    settings.writeInteger("Schedule", "WeekParameter", options.weekParameter);
    settings.writeText("Schedule", "MonthParameter", trimBlanks(options.monthParameter));
}

}  // namespace

void SaveSettings(SettingsAccess& settings, const Options& options, const TimeOfDayText& times) {
    settings.beginBatch();
    try {
        writeOptions(settings, options, times);
    } catch (...) {
        // A save that stops at a key has written the keys before it, as single writes would.
        settings.commitBatch();
        throw;
    }
    settings.commitBatch();
}

}  // namespace korvane
