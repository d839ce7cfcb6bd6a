// The resident program: creates, in this order, the watcher of the session's end, the tray
// icon and the main window; opens the main window, the help and the web pages from the tray;
// and ends the program on "&Exit", at the end of the session or on a termination signal,
// saving the settings first.
#pragma once

#include <QObject>
#include <functional>

class QTimer;

namespace korvane {

class DesktopServices;
class HelpWindow;
class MainWindow;
class SessionEnd;
class TrayIcon;
struct Platform;

struct ApplicationOptions {
    /// Whether a notification area is there to hold the icon.
    std::function<bool()> trayAvailable;
    /// How often the program looks for a notification area coming or going.
    int trayCheckMilliseconds = 2000;
};

class Application : public QObject {
    Q_OBJECT

public:
    /// `platform` and `desktop` must outlive the application.
    Application(const Platform& platform, DesktopServices& desktop,
                ApplicationOptions options = {});
    ~Application() override;

    /// Creates the windows and the icon, handles the first start and docks the icon; without
    /// a notification area the main window is shown instead.
    void start();

    /// "&Exit": saves the settings and ends the program. A failed save is reported and the
    /// program goes on running, with nothing lost.
    void exitProgram();
    /// The end of the session: saves the settings (a failure goes to the log only) and ends
    /// the program at once, asking nothing.
    void endSession(const QString& reason);
    /// Shows the main window for another start of the program.
    void showFromAnotherStart();

    TrayIcon* tray() const { return tray_; }
    MainWindow* window() const { return window_; }
    HelpWindow* help() const { return help_; }
    SessionEnd* sessionEnd() const { return sessionEnd_; }
    /// True while the icon sits in a notification area.
    bool docked() const { return docked_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkTray();
    void showMainWindow(bool activate);
    void saveQuietly(const QString& reason);
    void finish();
    static void saveAtProcessExit();

    const Platform& platform_;
    DesktopServices& desktop_;
    ApplicationOptions options_;
    SessionEnd* sessionEnd_ = nullptr;
    TrayIcon* tray_ = nullptr;
    MainWindow* window_ = nullptr;
    HelpWindow* help_ = nullptr;
    QTimer* trayCheck_ = nullptr;
    bool docked_ = false;
    bool ended_ = false;
};

}  // namespace korvane
