// Runs "Clean All" or "Clean Selected" on a thread of its own over a snapshot of the rows, the
// disposal option and the folder; the result comes back to the UI thread in one piece.
#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <thread>
#include <vector>

#include "clean/Disposal.h"

namespace korvane {

class CleanWorker : public QObject {
    Q_OBJECT

public:
    /// `files` must outlive the worker; it is used on the worker's thread.
    explicit CleanWorker(FileOperations& files, QObject* parent = nullptr);
    /// Stops a running clean between two files and waits for it.
    ~CleanWorker() override;

    /// Starts disposing of the items; does nothing while a clean runs.
    void start(std::vector<DisposalItem> items, DeleteOption option, std::string folder);
    bool running() const { return thread_.joinable(); }
    /// Asks a running clean to stop after the file in hand and waits; its end is dropped.
    void stop();

signals:
    /// The clean is over: the rows disposed of and the failures, keyed as the items were.
    /// `error` is the message of a clean that failed, else empty.
    void finished(korvane::DisposalResult result, const QString& error);

private:
    void finish(unsigned generation, DisposalResult result, const QString& error);

    FileOperations& files_;
    std::jthread thread_;
    unsigned generation_ = 0;
};

}  // namespace korvane
