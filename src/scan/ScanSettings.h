// The scan choices as the settings file stores them, for a run without a window: the drive
// ticks, the pattern list, the special-folder boxes, [Locations], the free-space condition and
// the disposal option.
#pragma once

#include <array>
#include <string>

#include "platform/Volumes.h"
#include "scan/ScanRun.h"
#include "settings/SettingsAccess.h"

namespace korvane {

/// The three [Locations] values (Temp, "Temporary Internet", Cookies), read with "Default".
std::array<std::string, 3> readLocations(const SettingsAccess& settings);

/// The row image index of a [Settings] DeleteOption value: 1, 2, 3 give 0, 1, 2; any other
/// value leaves the design's option, the Trash (1).
int imageIndexOfDeleteOption(std::int32_t deleteOption);

/// The choices of a run from the settings file, with the drive rows of `volumes`. The
/// free-space condition ([Schedule] CheckHDSpace and SpaceToCheck) counts only when `timed`.
/// Throws UserError when the [Settings] Drives value holds an entry that is not a number.
ScanChoices readScanChoices(const SettingsAccess& settings, const Volumes& volumes, bool timed);

}  // namespace korvane
