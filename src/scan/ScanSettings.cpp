// The scan choices read from the settings file.
#include "scan/ScanSettings.h"

#include "settings/OptionsLists.h"

namespace korvane {

std::array<std::string, 3> readLocations(const SettingsAccess& settings) {
    const std::string fallback(kDefaultLocation);
    return {settings.readText("Locations", "Temp", fallback),
            settings.readText("Locations", "Temporary Internet", fallback),
            settings.readText("Locations", "Cookies", fallback)};
}

int imageIndexOfDeleteOption(std::int32_t deleteOption) {
    return deleteOption >= 1 && deleteOption <= 3 ? deleteOption - 1 : 1;
}

ScanChoices readScanChoices(const SettingsAccess& settings, const Volumes& volumes, bool timed) {
    ScanChoices choices;
    for (const Drive& drive : volumes.drives()) {
        choices.drives.push_back({drive.caption, false});
    }
    for (const int position : parseDriveList(settings.readListText("Settings", "Drives", ""))) {
        if (position >= 0 && static_cast<std::size_t>(position) < choices.drives.size()) {
            choices.drives[static_cast<std::size_t>(position)].ticked = true;
        }
    }
    for (const PatternOption& row :
         parsePatternList(settings.readListText("Scan", "ScanFor", ""))) {
        choices.patterns.push_back({row.pattern, row.ticked});
    }
    choices.specialFolders = {settings.readFlag("Scan", "Check1", true),
                              settings.readFlag("Scan", "Check2", true),
                              settings.readFlag("Scan", "Check3", true)};
    choices.locations = readLocations(settings);
    choices.timed = timed;
    choices.onlyScanLowSpace = timed && settings.readFlag("Schedule", "CheckHDSpace", false);
    choices.thresholdText = std::to_string(settings.readInteger("Schedule", "SpaceToCheck", 100));
    choices.imageIndex =
        imageIndexOfDeleteOption(settings.readInteger("Settings", "DeleteOption", 1));
    return choices;
}

}  // namespace korvane
