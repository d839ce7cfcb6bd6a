#include "mainwindow/CleanWorker.h"

#include <exception>
#include <utility>

namespace korvane {

CleanWorker::CleanWorker(FileOperations& files, QObject* parent) : QObject(parent), files_(files) {}

CleanWorker::~CleanWorker() {
    stop();
}

void CleanWorker::start(std::vector<DisposalItem> items, DeleteOption option, std::string folder) {
    if (running())
        return;
    const unsigned generation = ++generation_;
    thread_ = std::jthread([this, generation, items = std::move(items), option,
                            folder = std::move(folder)](std::stop_token stop) mutable {
        DisposalResult result;
        QString error;
        // An exception must not leave the thread: it would end the program.
        try {
            result = disposeOf(items, option, folder, files_, stop);
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
}

void CleanWorker::finish(unsigned generation, DisposalResult result, const QString& error) {
    if (generation != generation_)
        return;
    thread_.join();
    emit finished(std::move(result), error);
}

}  // namespace korvane
