#include "app/SingleInstance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace korvane {
namespace {

constexpr char kShowMessage[] = "show\n";
// How long a second start keeps trying to reach a first one that is still starting up.
constexpr int kAnswerWaitMilliseconds = 5000;

}  // namespace

SingleInstance::SingleInstance(const QString& settingsFile, const QString& runtimeDirectory,
                               QObject* parent)
    : QObject(parent) {
    // Named after the user and the settings file, so two users, or one user with two settings
    // files, never meet; hashed, as a socket path must stay short.
    const QByteArray key = QByteArray::number(static_cast<qulonglong>(getuid())) + '\n' +
                           QDir::cleanPath(QFileInfo(settingsFile).absoluteFilePath()).toUtf8();
    const QString digest =
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex())
            .left(16);
    base_ = QDir(runtimeDirectory).filePath(QStringLiteral("korvane-") + digest);
}

SingleInstance::~SingleInstance() {
    if (server_) {
        server_->close();
    }
}

QString SingleInstance::defaultRuntimeDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

SingleInstance::Start SingleInstance::start() {
    if (!QDir().mkpath(QFileInfo(base_).absolutePath())) {
        failure_ = tr("The folder %1 cannot be created.").arg(QFileInfo(base_).absolutePath());
        return Start::Failed;
    }
    lock_ = std::make_unique<QLockFile>(lockPath());
    // Only a lock whose process is gone counts as stale, however old it is.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        return listen() ? Start::First : Start::Failed;
    }
    if (lock_->error() != QLockFile::LockFailedError) {
        failure_ = tr("The lock file %1 cannot be made.").arg(lockPath());
        return Start::Failed;
    }
    if (askRunningProgram()) {
        return Start::Second;
    }
    failure_ = tr("Korvane is already running but does not answer.");
    return Start::Failed;
}

bool SingleInstance::listen() {
    // A socket left behind by a killed program is ours to replace: we hold the lock.
    QLocalServer::removeServer(socketPath());
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath())) {
        failure_ = tr("Cannot listen on %1: %2").arg(socketPath(), server_->errorString());
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = server_->nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            connect(caller, &QLocalSocket::readyRead, this, [this, caller] {
                if (caller->readAll().contains(kShowMessage)) {
                    emit showRequested();
                }
            });
        }
    });
    return true;
}

bool SingleInstance::askRunningProgram() {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kAnswerWaitMilliseconds) {
        QLocalSocket socket;
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(500)) {
            socket.write(kShowMessage);
            const bool sent = socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            if (sent) {
                return true;
            }
        }
        QThread::msleep(100);
    }
    return false;
}

}  // namespace korvane
