#include "mainwindow/WorkerThread.h"

#include <utility>

namespace korvane {
namespace {

constexpr int kCollectMilliseconds = 50;

}  // namespace

WorkerThread::WorkerThread(QObject* parent) : QObject(parent) {
    collector_.setInterval(kCollectMilliseconds);
    connect(&collector_, &QTimer::timeout, this, [this] { deliver(); });
}

void WorkerThread::stop() {
    if (!running())
        return;
    ++generation_;
    thread_.request_stop();
    thread_.join();
    collector_.stop();
}

void WorkerThread::launch(std::function<EndStep(std::stop_token)> job) {
    const unsigned generation = ++generation_;
    collector_.start();
    thread_ = std::jthread([this, generation, job = std::move(job)](std::stop_token stop) {
        EndStep end = job(stop);
        QMetaObject::invokeMethod(
            this,
            [this, generation, end = std::move(end)] {
                // A job stopped meanwhile, or replaced by a newer one, has no end to show.
                if (generation != generation_)
                    return;
                thread_.join();
                collector_.stop();
                deliver();
                end();
            },
            Qt::QueuedConnection);
    });
}

}  // namespace korvane
