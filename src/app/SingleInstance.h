// One running program per user and settings file. The first start holds a lock and answers on
// a local socket; a later start finds the lock taken, asks the running program to show its
// main window and ends. A lock or socket left by a killed program is taken over.
#pragma once

#include <QLockFile>
#include <QObject>
#include <memory>

class QLocalServer;

namespace korvane {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Start {
        First,   ///< no other program runs: this one holds the lock and listens
        Second,  ///< another program runs and was asked to show its window
        Failed,  ///< the lock could not be made, or the running program did not answer
    };

    /// `settingsFile` is the settings file the program works on; `runtimeDirectory` the
    /// per-user folder for the lock and the socket.
    SingleInstance(const QString& settingsFile, const QString& runtimeDirectory,
                   QObject* parent = nullptr);
    ~SingleInstance() override;

    /// The per-user folder for the lock and the socket: $XDG_RUNTIME_DIR or Qt's fallback.
    static QString defaultRuntimeDirectory();

    /// Takes the lock and listens, or asks the running program to show its window.
    Start start();
    /// Why start() failed.
    const QString& failure() const { return failure_; }
    QString lockPath() const { return base_ + QStringLiteral(".lock"); }
    QString socketPath() const { return base_ + QStringLiteral(".socket"); }

signals:
    /// Another start asked this program to show its main window.
    void showRequested();

private:
    bool listen();
    bool askRunningProgram();

    QString base_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
    QString failure_;
};

}  // namespace korvane
