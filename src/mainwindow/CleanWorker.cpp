#include "mainwindow/CleanWorker.h"

#include <exception>
#include <utility>

namespace korvane {
namespace {

constexpr int kCollectMilliseconds = 50;

}  // namespace

CleanWorker::CleanWorker(FileOperations& files, QObject* parent) : QObject(parent), files_(files) {
    collector_.setInterval(kCollectMilliseconds);
    connect(&collector_, &QTimer::timeout, this, &CleanWorker::deliver);
}

CleanWorker::~CleanWorker() {
    stop();
}

void CleanWorker::start(std::vector<DisposalItem> items, DeleteOption option, std::string folder) {
    if (running())
        return;
    const unsigned generation = ++generation_;
    {
        const std::lock_guard lock(mutex_);
        pendingDisposed_.clear();
    }
    collector_.start();
    thread_ = std::jthread([this, generation, items = std::move(items), option,
                            folder = std::move(folder)](std::stop_token stop) mutable {
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
        QMetaObject::invokeMethod(
            this,
            [this, generation, result = std::move(result), error]() mutable {
                finish(generation, std::move(result), error);
            },
            Qt::QueuedConnection);
    });
}

void CleanWorker::stop() {
    if (!running())
        return;
    ++generation_;
    thread_.request_stop();
    thread_.join();
    collector_.stop();
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

void CleanWorker::finish(unsigned generation, DisposalResult result, const QString& error) {
    if (generation != generation_)
        return;
    thread_.join();
    collector_.stop();
    deliver();
    emit finished(std::move(result), error);
}

}  // namespace korvane
