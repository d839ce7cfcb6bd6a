#include "mainwindow/ScanWorker.h"

#include <exception>
#include <utility>

namespace korvane {
namespace {

constexpr int kCollectMilliseconds = 50;

}  // namespace

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
    : QObject(parent), volumes_(volumes), folders_(folders) {
    collector_.setInterval(kCollectMilliseconds);
    connect(&collector_, &QTimer::timeout, this, &ScanWorker::deliver);
}

ScanWorker::~ScanWorker() {
    stop();
}

void ScanWorker::start(ScanChoices choices) {
    if (running())
        return;
    const unsigned generation = ++generation_;
    {
        const std::lock_guard lock(mutex_);
        pendingRows_.clear();
        statusChanged_ = false;
    }
    collector_.start();
    thread_ = std::jthread([this, generation, choices = std::move(choices)](std::stop_token stop) {
        Sink sink(*this);
        ScanOutcome outcome;
        QString error;
        // An exception must not leave the thread: it would end the program.
        try {
            outcome = RunScan(choices, volumes_, folders_, sink, stop);
        } catch (const std::exception& failure) {
            error = QString::fromStdString(failure.what());
        }
        QMetaObject::invokeMethod(
            this, [this, generation, outcome, error] { finish(generation, outcome, error); },
            Qt::QueuedConnection);
    });
}

void ScanWorker::stop() {
    if (!running())
        return;
    ++generation_;
    thread_.request_stop();
    thread_.join();
    collector_.stop();
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

void ScanWorker::finish(unsigned generation, ScanOutcome outcome, const QString& error) {
    if (generation != generation_)
        return;
    thread_.join();
    collector_.stop();
    deliver();
    emit finished(outcome, error);
}

}  // namespace korvane
