// Runs "Clean All" or "Clean Selected" on a thread of its own over a snapshot of the rows, the
// disposal option and the folder. The rows disposed of come back to the UI thread as they go,
// collected every 50 ms, so the list shrinks while the clean runs; the result comes at the end.
#pragma once

#include <QString>
#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

#include "clean/Disposal.h"
#include "mainwindow/WorkerThread.h"

namespace korvane {

class CleanWorker : public WorkerThread {
    Q_OBJECT

public:
    /// `files` must outlive the worker; it is used on the worker's thread.
    explicit CleanWorker(FileOperations& files, QObject* parent = nullptr);
    /// Stops a running clean between two files and waits for it.
    ~CleanWorker() override;

    /// Starts disposing of the items; does nothing while a clean runs.
    void start(std::vector<DisposalItem> items, DeleteOption option, std::string folder);

signals:
    /// Files disposed of since the last report, keyed as the items were, in the order handled.
    /// Every report comes before `finished`.
    void rowsDisposed(const std::vector<std::size_t>& rows);
    /// The clean is over: the rows disposed of and the failures, keyed as the items were.
    /// `error` is the message of a clean that failed, else empty.
    void finished(korvane::DisposalResult result, const QString& error);

private:
    void deliver() override;

    FileOperations& files_;
    std::mutex mutex_;
    std::vector<std::size_t> pendingDisposed_;  ///< guarded by mutex_
};

}  // namespace korvane
