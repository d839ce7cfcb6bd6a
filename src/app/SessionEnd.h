// Watches for the end of the program's session: SIGTERM, SIGINT and SIGHUP (through a
// self-pipe, so the signal handler only writes one byte), and the desktop session manager's
// log-out. It holds no window; it tells the application, which saves and ends at once.
#pragma once

#include <QObject>

class QSessionManager;
class QSocketNotifier;

namespace korvane {

class SessionEnd : public QObject {
    Q_OBJECT

public:
    explicit SessionEnd(QObject* parent = nullptr);
    ~SessionEnd() override;

signals:
    /// The session ends (a log-out or a termination signal): save and end now, asking nothing.
    /// `reason` names what ended it, for the program's log line.
    void ending(const QString& reason);

private:
    void readSignals();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace korvane
