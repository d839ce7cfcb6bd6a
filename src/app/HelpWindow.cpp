#include "app/HelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "mainwindow/DesignUnits.h"
#include "mainwindow/ImageLists.h"
#include "platform/desktop/DesktopServices.h"

namespace korvane {

HelpWindow::HelpWindow(DesktopServices& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window), desktop_(desktop), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Korvane Help"));
    setWindowIcon(ImageLists::applicationIcon());
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    // Links are followed here so that web addresses leave through the desktop services.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(designPixels(this, 520), designPixels(this, 480));
}

QString HelpWindow::helpFilePath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kFileName));
}

void HelpWindow::showTopic(const QString& topic) {
    const QString path = helpFilePath();
    if (QFileInfo::exists(path)) {
        const QUrl file = QUrl::fromLocalFile(path);
        if (browser_->source() != file) {
            browser_->setSource(file);
        }
        browser_->scrollToAnchor(topic);
    } else {
        browser_->setSource(QUrl());
        browser_->setPlainText(tr("The help file %1 could not be found.").arg(path));
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::followLink(const QUrl& link) {
    if (link.scheme() == QLatin1String("http") || link.scheme() == QLatin1String("https") ||
        link.scheme() == QLatin1String("mailto")) {
        desktop_.openUrl(link);
        return;
    }
    const QUrl target = browser_->source().resolved(link);
    if (target.adjusted(QUrl::RemoveFragment) !=
        browser_->source().adjusted(QUrl::RemoveFragment)) {
        browser_->setSource(target);
    }
    if (target.hasFragment()) {
        browser_->scrollToAnchor(target.fragment());
    }
}

}  // namespace korvane
