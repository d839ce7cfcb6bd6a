// Runs a scan run on a thread of its own over a snapshot of the window's choices. The UI
// thread collects the rows and the status text every 50 milliseconds and hands them on in
// batches, so a list of hundreds of thousands of rows fills without stalling the window.
#pragma once

#include <QString>
#include <mutex>
#include <vector>

#include "mainwindow/WorkerThread.h"
#include "scan/ScanRun.h"

namespace korvane {

class ScanWorker : public WorkerThread {
    Q_OBJECT

public:
    /// Both must outlive the worker; the run reads them on its own thread.
    ScanWorker(const Volumes& volumes, const Folders& folders, QObject* parent = nullptr);
    /// Stops a running run and waits for it.
    ~ScanWorker() override;

    /// Starts a run; does nothing while one runs.
    void start(ScanChoices choices);

signals:
    /// The activity text of status panel 2 changed.
    void statusChanged(const QString& text);
    /// Rows to append to the found-files list, in the order found.
    void rowsFound(std::vector<FoundFile> rows);
    /// The run is over; every row has been handed on. `error` is the message of a run that
    /// failed, else empty.
    void finished(korvane::ScanOutcome outcome, const QString& error);

private:
    class Sink;

    void deliver() override;

    const Volumes& volumes_;
    const Folders& folders_;

    std::mutex mutex_;
    std::vector<FoundFile> pendingRows_;
    QString pendingStatus_;
    bool statusChanged_ = false;
};

}  // namespace korvane
