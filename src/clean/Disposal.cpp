#include "clean/Disposal.h"

#include <algorithm>

namespace korvane {
namespace {

Outcome disposeOfOne(const std::string& path, DeleteOption option, const std::string& folder,
                     FileOperations& files) {
    switch (option) {
        case DeleteOption::Delete:
            return files.deleteFile(path);
        case DeleteOption::Trash:
            return files.moveToTrash(path);
        case DeleteOption::MoveToFolder:
            return files.moveIntoFolder(path, folder);
    }
    return Outcome::failure("No disposal option is selected.");
}

}  // namespace

std::string DisposalResult::statusText() const {
    return spaceCleanedText(kilobytesCleaned);
}

DisposalResult disposeOf(const std::vector<DisposalItem>& items, DeleteOption option,
                         const std::string& folder, FileOperations& files, std::stop_token stop,
                         const DisposalSink& sink) {
    DisposalResult result;
    for (const DisposalItem& item : items) {
        if (stop.stop_requested()) {
            result.stopped = true;
            break;
        }
        const std::string path = item.file.path();
        const Outcome outcome = disposeOfOne(path, option, folder, files);
        if (outcome) {
            result.kilobytesCleaned += item.file.kilobytes();
            result.disposedRows.push_back(item.row);
        } else {
            result.failures.push_back({item.row, path, outcome.reason()});
        }
        if (sink) {
            sink(item, outcome);
        }
    }
    return result;
}

std::vector<DisposalItem> cleanAllItems(const std::vector<FoundFile>& rows) {
    std::vector<DisposalItem> items;
    items.reserve(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        items.push_back({row, rows[row]});
    }
    return items;
}

std::vector<DisposalItem> cleanSelectedItems(const std::vector<FoundFile>& rows,
                                             const std::vector<bool>& selected) {
    std::vector<DisposalItem> items;
    for (std::size_t row = 0; row < rows.size() && row < selected.size(); ++row) {
        if (selected[row]) {
            items.push_back({row, rows[row]});
        }
    }
    return items;
}

void removeDisposedRows(std::vector<FoundFile>& rows, const DisposalResult& result) {
    std::vector<bool> disposed(rows.size(), false);
    for (std::size_t row : result.disposedRows) {
        if (row < disposed.size()) {
            disposed[row] = true;
        }
    }
    std::size_t kept = 0;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (disposed[row]) {
            continue;
        }
        if (kept != row) {
            rows[kept] = std::move(rows[row]);
        }
        ++kept;
    }
    rows.resize(kept);
}

std::string spaceCleanedText(std::uint64_t kilobytes) {
    return "Space Cleaned: " + std::to_string(kilobytes) + "k";
}

}  // namespace korvane
