#include "app/SessionEnd.h"

#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace korvane {
namespace {

// The self-pipe: the handler writes the signal's number, the event loop reads it.
int signalPipe[2] = {-1, -1};

constexpr int kWatchedSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onTerminationSignal(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Nothing else is async-signal-safe enough to do here; a full pipe already carries news.
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

SessionEnd::SessionEnd(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("frmSession"));
    if (signalPipe[0] == -1 && pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        signalPipe[0] = signalPipe[1] = -1;
    }
    if (signalPipe[0] != -1) {
        notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &SessionEnd::readSignals);
        struct sigaction action;
        std::memset(&action, 0, sizeof action);
        action.sa_handler = onTerminationSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signalNumber : kWatchedSignals) {
            sigaction(signalNumber, &action, nullptr);
        }
    }

    // The session manager asks before the log-out: save and end, never hold it up.
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            manager.setRestartHint(QSessionManager::RestartNever);
            emit ending(QStringLiteral("log-out"));
        });
        connect(gui, &QGuiApplication::saveStateRequest, this, [](QSessionManager& manager) {
            // Started again by the desktop's autostart, not by the session manager.
            manager.setRestartHint(QSessionManager::RestartNever);
        });
    }
}

SessionEnd::~SessionEnd() {
    // The default action comes back, so a late signal ends the process rather than a pipe
    // nobody reads.
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : kWatchedSignals) {
        sigaction(signalNumber, &action, nullptr);
    }
}

void SessionEnd::readSignals() {
    unsigned char byte = 0;
    int last = 0;
    while (read(signalPipe[0], &byte, 1) == 1) {
        last = byte;
    }
    if (last != 0) {
        emit ending(QString::fromLatin1(sigabbrev_np(last) ? sigabbrev_np(last) : "signal"));
    }
}

}  // namespace korvane
