// korvane-cli clean: scans as `scan` does, then disposes of every found file by the settings
// file's disposal option, and prints the space cleaned. Files that could not be disposed of
// stay where they are and are reported on standard error.
#include <cstdlib>
#include <ostream>
#include <string>

#include "app/cli/CliCommands.h"
#include "app/cli/ScanCommandLine.h"
#include "clean/Disposal.h"
#include "platform/Platform.h"
#include "scan/ScanRun.h"
#include "settings/SettingsAccess.h"
#include "settings/UserError.h"

namespace korvane::cli {
namespace {

constexpr const char* kUsage =
    "Usage: korvane-cli [--settings FILE] clean [--dry-run] [--folder F] [--timed] "
    "[--pattern P]... [DIR]...\n";

struct CleanOptions {
    bool dryRun = false;
    std::string folder;
    ScanRequest scan;
};

CleanOptions parseCleanOptions(const Arguments& arguments) {
    CleanOptions options;
    options.scan = parseScanOptions(arguments, [&](const Arguments& all, std::size_t index) {
        if (all[index] == "--dry-run") {
            options.dryRun = true;
            return std::size_t{1};
        }
        if (all[index] == "--folder") {
            if (index + 1 >= all.size() || all[index + 1].empty()) {
                throw UsageError("--folder needs a folder");
            }
            options.folder = all[index + 1];
            return std::size_t{2};
        }
        return std::size_t{0};
    });
    return options;
}

// The disposal option as the window shows it after loading the same key: a missing key
// selects deletion, an unknown number leaves the Trash of the window's design.
DeleteOption storedDeleteOption(const std::string& settingsFile) {
    switch (SettingsAccess(settingsFile).readInteger("Settings", "DeleteOption", 1)) {
        case 1:
            return DeleteOption::Delete;
        case 3:
            return DeleteOption::MoveToFolder;
        default:
            return DeleteOption::Trash;
    }
}

}  // namespace

int runClean(const Context& context, const Arguments& arguments) {
    CleanOptions options;
    try {
        options = parseCleanOptions(arguments);
    } catch (const UsageError& error) {
        context.err << "korvane-cli: clean: " << error.what() << "\n" << kUsage;
        return kExitUsage;
    }

    try {
        const std::vector<FoundFile> rows = runScanRequest(context, options.scan);
        if (options.dryRun) {
            std::string listing;
            std::uint64_t total = 0;
            for (const FoundFile& row : rows) {
                appendRowLine(listing, row);
                total += row.kilobytes();
            }
            context.out << listing << totalFilesText(total) << "\n";
            return context.out ? kExitOk : kExitFailed;
        }

        Platform platform = createSystemPlatform();
        const std::string folder =
            options.folder.empty() ? platform.folders->movedFilesFolder() : options.folder;
        const DisposalResult result = disposeOf(
            cleanAllItems(rows), storedDeleteOption(context.settingsFile), folder, *platform.files);
        for (const DisposalFailure& failure : result.failures) {
            context.err << escapeText(failure.path) << "\t" << failure.reason << "\n";
        }
        context.out << result.statusText() << "\n";
        context.out.flush();
        return result.failures.empty() && context.out ? kExitOk : kExitFailed;
    } catch (const UserError& error) {
        context.err << "korvane-cli: " << error.what() << "\n";
        return kExitFailed;
    }
}

}  // namespace korvane::cli
