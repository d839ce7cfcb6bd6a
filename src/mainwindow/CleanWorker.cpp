#include "mainwindow/CleanWorker.h"

#include <exception>
#include <utility>

namespace korvane {

CleanWorker::CleanWorker(FileOperations& files, QObject* parent)
    : WorkerThread(parent), files_(files) {}

CleanWorker::~CleanWorker() {
    stop();
}

void CleanWorker::start(std::vector<DisposalItem> items, DeleteOption option, std::string folder) {
    if (running())
        return;
    {
        const std::lock_guard lock(mutex_);
        pendingDisposed_.clear();
    }
    launch([this, items = std::move(items), option,
            folder = std::move(folder)](std::stop_token stop) -> EndStep {
        const DisposalSink keepDisposed = [this](const DisposalItem& item, const Outcome& outcome) {
            if (outcome.ok()) {
                const std::lock_guard lock(mutex_);
                pendingDisposed_.push_back(item.row);
            }
        };
        DisposalResult result;
        QString error;
        // An exception must not leave the thread: it would end the program.
        try {
            result = disposeOf(items, option, folder, files_, stop, keepDisposed);
        } catch (const std::exception& failure) {
            error = QString::fromStdString(failure.what());
        }
        return [this, result = std::move(result), error] { emit finished(result, error); };
    });
}

void CleanWorker::deliver() {
    std::vector<std::size_t> rows;
    {
        const std::lock_guard lock(mutex_);
        rows.swap(pendingDisposed_);
    }
    if (!rows.empty())
        emit rowsDisposed(rows);
}

}  // namespace korvane
