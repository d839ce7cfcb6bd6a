// The main window: a fixed-size dialog with four pages, a row of four command buttons and a
// status bar. It assembles the pages and keeps the controls reachable under their names; the
// commands, the settings and the schedule timer are wired to them elsewhere.
#pragma once

#include <QWidget>
#include <functional>

class QTabWidget;
class QTimer;

namespace korvane {

class DesktopServices;
class FoundFilesPage;
class OptionsPage;
class RoundedButton;
class ScanForPage;
class SchedulePage;
class StatusPanels;
struct Platform;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    /// The window reads the drives from `platform.volumes` (none when it is null) and the
    /// settings file from `platform.folders`; both must outlive the window.
    MainWindow(const Platform& platform, DesktopServices& desktop, QWidget* parent = nullptr);
    ~MainWindow() override;

    QTabWidget* PageControl1() const { return pageControl1_; }
    FoundFilesPage* mainPage() const { return mainPage_; }
    OptionsPage* optionsPage() const { return optionsPage_; }
    ScanForPage* scanForPage() const { return scanForPage_; }
    SchedulePage* schedulePage() const { return schedulePage_; }
    /// "Clean All".
    RoundedButton* Button2() const { return button2_; }
    /// "Clean Selected".
    RoundedButton* cmdClean() const { return cmdClean_; }
    /// "Scan Now".
    RoundedButton* Button1() const { return button1_; }
    /// "Hide".
    RoundedButton* btnExit() const { return btnExit_; }
    StatusPanels* stat1() const { return stat1_; }
    /// The schedule clock: 10 seconds, started by the schedule wiring.
    QTimer* Timer1() const { return timer1_; }

    const Platform& platform() const { return platform_; }
    DesktopServices& desktop() const { return desktop_; }

    /// The window's creation handler: handles the first start (shows the window, opens the
    /// help topic "Getting_Started" and writes [Main] FirstRun = 0), then loads the settings.
    /// An error is shown in the application's error box and the start goes on.
    void formCreate();
    /// Writes every option from the controls to the settings file; throws UserError when the
    /// file cannot be written.
    void saveSettings();
    /// Shows the window and puts it on top of the program's windows; `activate` also asks for
    /// the keyboard focus.
    void showOnTop(bool activate);
    /// Asks for a help topic ("Getting_Started" or "Operation").
    void openHelpTopic(const QString& topic);
    /// Puts every control back to its design value.
    void applyDesignValues();
    /// The wiring's parts of formCreate() (after the first start) and of saveSettings(); set
    /// by MainWindowController.
    void setSettingsHandlers(std::function<void()> load, std::function<void()> save) {
        loadHandler_ = std::move(load);
        saveHandler_ = std::move(save);
    }

    /// When set, the close button ends the program (there is no tray to come back from)
    /// instead of hiding the window.
    void setCloseEndsProgram(bool endsProgram) { closeEndsProgram_ = endsProgram; }
    bool closeEndsProgram() const { return closeEndsProgram_; }

signals:
    /// F1 was released while the window or one of its controls had the keyboard focus.
    void helpKeyReleased();
    /// A help topic should be shown.
    void helpTopicRequested(const QString& topic);
    /// saveSettings() has written the options.
    void settingsSaved();
    /// The close button was used while it ends the program.
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildCommandRow();
    void handleFirstStart();

    const Platform& platform_;
    DesktopServices& desktop_;
    QTabWidget* pageControl1_;
    FoundFilesPage* mainPage_;
    OptionsPage* optionsPage_;
    ScanForPage* scanForPage_;
    SchedulePage* schedulePage_;
    RoundedButton* button2_ = nullptr;
    RoundedButton* cmdClean_ = nullptr;
    RoundedButton* button1_ = nullptr;
    RoundedButton* btnExit_ = nullptr;
    StatusPanels* stat1_;
    QTimer* timer1_;
    bool closeEndsProgram_ = false;
    std::function<void()> loadHandler_;
    std::function<void()> saveHandler_;
    bool centred_ = false;
};

}  // namespace korvane
