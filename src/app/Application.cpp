#include "app/Application.h"

#include <QApplication>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/HelpWindow.h"
#include "app/MainWindowWiring.h"
#include "app/SessionEnd.h"
#include "app/TrayIcon.h"
#include "app/WebSite.h"
#include "mainwindow/MainWindow.h"
#include "platform/desktop/DesktopServices.h"

namespace korvane {
namespace {

// The running application, for the last-chance save when the process exits from inside Qt
// (the display connection breaking makes Qt call exit()).
Application* runningApplication = nullptr;

}  // namespace

Application::Application(const Platform& platform, DesktopServices& desktop,
                         ApplicationOptions options)
    : platform_(platform), desktop_(desktop), options_(std::move(options)) {
    if (!options_.trayAvailable) {
        options_.trayAvailable = &QSystemTrayIcon::isSystemTrayAvailable;
    }
}

Application::~Application() {
    if (runningApplication == this) {
        runningApplication = nullptr;
    }
    qApp->removeEventFilter(this);
    delete help_;
    delete window_;
}

void Application::start() {
    sessionEnd_ = new SessionEnd(this);
    connect(sessionEnd_, &SessionEnd::ending, this, &Application::endSession);

    tray_ = new TrayIcon(this);
    connect(tray_, &TrayIcon::openRequested, this, [this] { showMainWindow(false); });
    connect(tray_, &TrayIcon::doubleClicked, this, [this] {
        if (tray_->openEnabled()) {
            showMainWindow(false);
        }
        window_->activateWindow();
    });
    connect(tray_, &TrayIcon::exitRequested, this, &Application::exitProgram);
    connect(tray_, &TrayIcon::webPageRequested, this,
            [this](const QString& path) { desktop_.openUrl(webPageUrl(path)); });

    window_ = new MainWindow(platform_, desktop_);
    // Owned by the window: loads, saves and runs everything the window's controls ask for.
    new MainWindowWiring(*window_);
    help_ = new HelpWindow(desktop_);
    connect(tray_, &TrayIcon::helpTopicRequested, help_, &HelpWindow::showTopic);
    connect(window_, &MainWindow::helpTopicRequested, help_, &HelpWindow::showTopic);
    connect(window_, &MainWindow::exitRequested, this, &Application::exitProgram);

    qApp->installEventFilter(this);
    runningApplication = this;
    static const bool registered = std::atexit(&Application::saveAtProcessExit) == 0;
    (void)registered;

    window_->formCreate();

    trayCheck_ = new QTimer(this);
    trayCheck_->setInterval(options_.trayCheckMilliseconds);
    connect(trayCheck_, &QTimer::timeout, this, &Application::checkTray);
    trayCheck_->start();
    window_->setCloseEndsProgram(true);
    checkTray();
    if (!docked_) {
        // With nowhere to put the icon, the window is the only way to reach the program.
        showMainWindow(true);
    }
    tray_->setOpenEnabled(true);
}

void Application::checkTray() {
    const bool available = options_.trayAvailable();
    if (available == docked_) {
        return;
    }
    docked_ = available;
    tray_->setVisible(available);
    window_->setCloseEndsProgram(!available);
    if (!available && window_->isHidden()) {
        showMainWindow(true);
    }
}

void Application::showMainWindow(bool activate) {
    window_->showOnTop(activate);
}

void Application::showFromAnotherStart() {
    if (tray_ && tray_->openEnabled()) {
        showMainWindow(true);
    }
}

void Application::exitProgram() {
    if (ended_) {
        return;
    }
    QCoreApplication::processEvents();
    try {
        window_->saveSettings();
    } catch (const std::exception& error) {
        desktop_.showError(QString::fromUtf8(error.what()));
        return;
    }
    finish();
}

void Application::endSession(const QString& reason) {
    if (ended_) {
        return;
    }
    saveQuietly(reason);
    finish();
}

void Application::saveQuietly(const QString& reason) {
    try {
        window_->saveSettings();
    } catch (const std::exception& error) {
        // No box: nobody may be there to answer it, and the session must not wait.
        std::fprintf(stderr, "korvane: %s: the settings were not saved: %s\n", qPrintable(reason),
                     error.what());
    }
}

void Application::finish() {
    ended_ = true;
    window_->Timer1()->stop();
    trayCheck_->stop();
    window_->hide();
    help_->hide();
    tray_->setVisible(false);
    QCoreApplication::exit(0);
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
    // A request to quit from outside (the session manager's "die") ends the program here,
    // since the main window refuses to close.
    if (event->type() == QEvent::Quit && watched == qApp) {
        endSession(QStringLiteral("quit"));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void Application::saveAtProcessExit() {
    if (runningApplication && !runningApplication->ended_) {
        runningApplication->ended_ = true;
        runningApplication->saveQuietly(QStringLiteral("exit"));
    }
}

}  // namespace korvane
