// A job on a thread of its own for the main window: the UI thread collects its progress every
// 50 milliseconds, and its end is posted back to the UI thread after a last collection. A job
// that is stopped has its remaining progress and its end dropped.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <stop_token>
#include <thread>

namespace korvane {

class WorkerThread : public QObject {
public:
    explicit WorkerThread(QObject* parent = nullptr);
    /// A derived worker calls stop() in its own destructor, while the job's data still exists.
    ~WorkerThread() override = default;

    bool running() const { return thread_.joinable(); }
    /// Asks a running job to stop and waits for it.
    void stop();

protected:
    /// What a job returns: the step to run on the UI thread at its end.
    using EndStep = std::function<void()>;

    /// Runs the job on a new thread; the caller checks running() first.
    void launch(std::function<EndStep(std::stop_token)> job);
    /// Hands on the progress collected so far; runs on the UI thread.
    virtual void deliver() = 0;

private:
    std::jthread thread_;
    QTimer collector_;
    unsigned generation_ = 0;
};

}  // namespace korvane
