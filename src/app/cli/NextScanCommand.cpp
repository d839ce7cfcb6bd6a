// korvane-cli next-scan: computes the next scan time as the program's start-up does, under the
// regional settings of the process's locale and the system clock, and prints it.
#include <optional>
#include <ostream>

#include "app/cli/CliCommands.h"
#include "schedule/Clock.h"
#include "schedule/DateTimeFormat.h"
#include "schedule/NextScan.h"
#include "schedule/RegionalSettings.h"
#include "settings/SettingsAccess.h"
#include "settings/UserError.h"

namespace korvane::cli {

int runNextScan(const Context& context, const Arguments& arguments) {
    if (!arguments.empty()) {
        context.err << "korvane-cli: next-scan takes no arguments\n";
        return kExitUsage;
    }
    const RegionalSettings regional = regionalSettingsFromEnvironment();
    const SystemClock clock;
    SettingsAccess settings(context.settingsFile);
    try {
        const std::optional<DateTime> next = ComputeNextScan(settings, regional, clock);
        // With no schedule kind there is no next scan: an empty line, as the window shows an
        // empty panel.
        if (next) {
            context.out << "Next Scan: " << fullText(*next, regional);
        }
        context.out << "\n";
    } catch (const UserError& error) {
        context.err << error.what() << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace korvane::cli
