#include "mainwindow/ScanWorker.h"

#include <exception>
#include <utility>

namespace korvane {

// Runs on the worker thread: keeps what the run reports until the UI thread collects it.
class ScanWorker::Sink : public ScanSink {
public:
    explicit Sink(ScanWorker& worker) : worker_(worker) {}

    void status(const std::string& text) override {
        const std::lock_guard lock(worker_.mutex_);
        worker_.pendingStatus_ = QString::fromStdString(text);
        worker_.statusChanged_ = true;
    }
    void rowsFound(std::vector<FoundFile>&& rows) override {
        const std::lock_guard lock(worker_.mutex_);
        if (worker_.pendingRows_.empty()) {
            worker_.pendingRows_ = std::move(rows);
        } else {
            worker_.pendingRows_.insert(worker_.pendingRows_.end(),
                                        std::make_move_iterator(rows.begin()),
                                        std::make_move_iterator(rows.end()));
        }
    }

private:
    ScanWorker& worker_;
};

ScanWorker::ScanWorker(const Volumes& volumes, const Folders& folders, QObject* parent)
    : WorkerThread(parent), volumes_(volumes), folders_(folders) {}

ScanWorker::~ScanWorker() {
    stop();
}

void ScanWorker::start(ScanChoices choices) {
    if (running())
        return;
    {
        const std::lock_guard lock(mutex_);
        pendingRows_.clear();
        statusChanged_ = false;
    }
    launch([this, choices = std::move(choices)](std::stop_token stop) -> EndStep {
        Sink sink(*this);
        ScanOutcome outcome;
        QString error;
        // An exception must not leave the thread: it would end the program.
        try {
            outcome = RunScan(choices, volumes_, folders_, sink, stop);
        } catch (const std::exception& failure) {
            error = QString::fromStdString(failure.what());
        }
        return [this, outcome, error] { emit finished(outcome, error); };
    });
}

void ScanWorker::deliver() {
    std::vector<FoundFile> rows;
    QString status;
    bool newStatus = false;
    {
        const std::lock_guard lock(mutex_);
        rows.swap(pendingRows_);
        status = pendingStatus_;
        newStatus = std::exchange(statusChanged_, false);
    }
    if (!rows.empty())
        emit rowsFound(std::move(rows));
    if (newStatus)
        emit statusChanged(status);
}

}  // namespace korvane
