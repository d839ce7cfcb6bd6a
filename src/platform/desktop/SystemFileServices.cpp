#include "platform/desktop/SystemFileServices.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/desktop/DesktopExec.h"
#include "platform/desktop/FilePropertiesDialog.h"

namespace korvane {
namespace {

constexpr int kHelperTimeoutMs = 3000;

// The command line of the desktop's plain-text application for the file, if one is set up.
std::optional<QStringList> textEditorCommand(const QString& path) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/plain")});
    if (!query.waitForFinished(kHelperTimeoutMs) || query.exitCode() != 0)
        return std::nullopt;
    const QString entryId = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
    if (entryId.isEmpty())
        return std::nullopt;
    QFile entry(QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entryId));
    if (!entry.open(QIODevice::ReadOnly))
        return std::nullopt;
    return execCommandForFile(desktopEntryExec(QString::fromUtf8(entry.readAll())), path);
}

}  // namespace

QString SystemFileServices::chooseFolder(QWidget* parent, const QString& title,
                                         const QString& start) {
    return QFileDialog::getExistingDirectory(parent, title, start, QFileDialog::ShowDirsOnly);
}

void SystemFileServices::viewFile(const QString& path) {
    // The path is one argument of a program started without a shell, whatever its characters.
    if (const auto command = textEditorCommand(path)) {
        if (QProcess::startDetached(command->front(), command->mid(1)))
            return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SystemFileServices::showProperties(const QString& path, QWidget* parent) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    QDBusInterface fileManager(QStringLiteral("org.freedesktop.FileManager1"),
                               QStringLiteral("/org/freedesktop/FileManager1"),
                               QStringLiteral("org.freedesktop.FileManager1"),
                               QDBusConnection::sessionBus());
    if (fileManager.isValid()) {
        fileManager.setTimeout(kHelperTimeoutMs);
        const QDBusMessage reply = fileManager.call(
            QStringLiteral("ShowItemProperties"),
            QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)}, QString());
        if (reply.type() == QDBusMessage::ReplyMessage)
            return;
    }
    auto* dialog = new FilePropertiesDialog(info, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

}  // namespace korvane
