// The scan run: fills the found-files list from the user's choices by walking each ticked
// drive once for all ticked patterns and then the ticked special folders. It works on a
// snapshot of the choices, so a window can run it on a worker thread and show the rows as
// the sink receives them.
#pragma once

#include <array>
#include <cstdint>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Folders.h"
#include "platform/Volumes.h"
#include "scan/FoundFile.h"

namespace korvane {

/// One row of the drive list: its caption begins with the drive letter.
struct DriveChoice {
    std::string caption;
    bool ticked = false;
};

/// One row of the pattern list.
struct PatternChoice {
    std::string pattern;
    bool ticked = false;
};

/// The special folders in the order a run searches them.
inline constexpr std::array<SpecialFolder, 3> kSpecialFolders = {
    SpecialFolder::Temp, SpecialFolder::InternetCache, SpecialFolder::Cookies};

/// The value of a [Locations] key that stands for the built-in folder.
inline constexpr std::string_view kDefaultLocation = "Default";

/// Everything a run reads from the window, taken at its start.
struct ScanChoices {
    std::vector<DriveChoice> drives;
    std::vector<PatternChoice> patterns;
    /// The special-folder boxes (Temp, Cache, Cookies), in the order of kSpecialFolders.
    std::array<bool, 3> specialFolders = {true, true, true};
    /// The [Locations] values (Temp, "Temporary Internet", Cookies) as read with "Default".
    std::array<std::string, 3> locations = {"Default", "Default", "Default"};
    /// A run started by the schedule timer; only such a run honours the free-space condition.
    bool timed = false;
    /// "&Only scan if drive space is less than" (cbOnlyScan).
    bool onlyScanLowSpace = false;
    /// The threshold text in megabytes (meMegs), blanks around it allowed.
    std::string thresholdText = " 100";
    /// The image index of the rows: 0 delete, 1 Trash, 2 move into a folder.
    int imageIndex = 1;
};

/// Receives what a run shows while it goes, on the thread that runs it.
class ScanSink {
public:
    virtual ~ScanSink() = default;

    /// The activity text of status panel 2 ("Scanning: *.tmp", "Total Files: 12k"...).
    virtual void status(const std::string& text) = 0;
    /// Rows to append to the found-files list, in list order; the sink may keep them.
    virtual void rowsFound(std::vector<FoundFile>&& rows) = 0;
};

struct ScanOutcome {
    /// The sum of the rows' kilobytes, each rounded as its size text shows it.
    std::uint64_t totalKilobytes = 0;
    std::uint64_t rowCount = 0;
    /// Whether a stop request ended the run early; the rows delivered so far stand.
    bool stopped = false;
};

/// Runs a scan: rows go to the sink as they are found, the status texts as each step begins,
/// and "Total Files: <n>k" last (also after a stop). A stop request is honoured between
/// folders and files.
ScanOutcome RunScan(const ScanChoices& choices, const Volumes& volumes, const Folders& folders,
                    ScanSink& sink, std::stop_token stop = {});

/// Walks each folder once for all the patterns, in turn, with the rows, status texts and total
/// of a run whose drives were these folders (and no special folder).
ScanOutcome ScanFolders(const std::vector<std::string>& folders,
                        const std::vector<std::string>& patterns, int imageIndex, ScanSink& sink,
                        std::stop_token stop = {});

/// The drive number of a one-letter text in either case (1 for "a" to 26 for "z"); 3 for any
/// other text.
int DriveNumberFromLetter(std::string_view text);

/// "Total Files: " followed by the kilobytes and "k".
std::string totalFilesText(std::uint64_t kilobytes);

/// The threshold in megabytes that the free-space condition uses for a threshold text.
std::int64_t thresholdMegabytes(std::string_view text);

/// The folder a special folder's [Locations] value sends a run to: the built-in folder for
/// "Default" (exact case), else the value as a folder (relative ones taken from the current
/// directory) ending in '/'; empty when the value is empty, and such a folder is not searched.
std::string specialFolderDirectory(SpecialFolder folder, const std::string& location,
                                   const Folders& folders);

}  // namespace korvane
