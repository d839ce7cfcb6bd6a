// Between the main window's controls and the core's records: the options the controls hold,
// the stored options put into the controls, and the snapshot of choices a scan run reads.
#pragma once

#include "scan/ScanRun.h"
#include "settings/Options.h"
#include "settings/SettingsAccess.h"

namespace korvane {

class MainWindow;

/// The options as the controls show them now.
Options optionsFromWindow(const MainWindow& window);

/// Puts loaded options into the controls; a key that did not load leaves its control as it is.
/// Runs none of the window's handlers.
void applyLoadedOptions(MainWindow& window, const LoadedOptions& loaded);

/// What a scan run reads from the window, with the [Locations] values from the settings file.
ScanChoices scanChoicesFromWindow(const MainWindow& window, const SettingsAccess& settings,
                                  bool timed);

}  // namespace korvane
