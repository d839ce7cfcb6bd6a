// Disposal of found files by the chosen option: the operation behind "Clean All" and
// "Clean Selected". It works on a snapshot of the rows, so a window can run it on a worker
// thread while the list stays untouched until the sink says a row is done.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <vector>

#include "platform/FileOperations.h"
#include "platform/Outcome.h"
#include "scan/FoundFile.h"

namespace korvane {

/// The disposal option, numbered as the settings file stores it.
enum class DeleteOption { Delete = 1, Trash = 2, MoveToFolder = 3 };

/// One row to dispose of.
struct DisposalItem {
    std::size_t row = 0;  ///< the caller's key for the row, e.g. its position in the snapshot
    FoundFile file;
};

/// A file that could not be disposed of: it stays where it was and its row stays listed.
struct DisposalFailure {
    std::size_t row = 0;
    std::string path;
    std::string reason;
};

struct DisposalResult {
    /// The sum of the disposed rows' kilobytes; failed rows are not counted.
    std::uint64_t kilobytesCleaned = 0;
    /// The keys of the rows whose files were disposed of, in the order handled.
    std::vector<std::size_t> disposedRows;
    std::vector<DisposalFailure> failures;
    /// Whether a stop request ended the run before every item was handled.
    bool stopped = false;

    /// "Space Cleaned: " followed by the kilobytes and "k".
    std::string statusText() const;
};

/// Told after each file, on the thread that runs the disposal.
using DisposalSink = std::function<void(const DisposalItem& item, const Outcome& outcome)>;

/// Disposes of each item's file in order by the option (the folder is used by MoveToFolder
/// only), telling the sink after each file. A stop request is honoured between files.
DisposalResult disposeOf(const std::vector<DisposalItem>& items, DeleteOption option,
                         const std::string& folder, FileOperations& files,
                         std::stop_token stop = {}, const DisposalSink& sink = {});

/// The items of "Clean All": every row, keyed by its position.
std::vector<DisposalItem> cleanAllItems(const std::vector<FoundFile>& rows);

/// The items of "Clean Selected": the rows whose selected flag is set, in list order, keyed
/// by position; a position past the end of selected counts as not selected.
std::vector<DisposalItem> cleanSelectedItems(const std::vector<FoundFile>& rows,
                                             const std::vector<bool>& selected);

/// Removes the rows a disposal handled, keyed by position, keeping the others in order.
void removeDisposedRows(std::vector<FoundFile>& rows, const DisposalResult& result);

/// "Space Cleaned: " followed by the kilobytes in decimal digits and "k".
std::string spaceCleanedText(std::uint64_t kilobytes);

}  // namespace korvane
