// The main window's wiring: the creation handler that loads the settings into the controls, the
// save from the controls, "Scan Now", "Clean All" and "Clean Selected" on worker threads, and
// every other command of the window. The schedule controls and the timer are wired by
// ScheduleWiring, which this object owns.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "clean/Disposal.h"
#include "scan/ScanRun.h"
#include "schedule/Clock.h"
#include "schedule/RegionalSettings.h"
#include "schedule/RegionalTimeOfDay.h"

namespace korvane {

class CleanWorker;
class FileServices;
class MainWindow;
class ScanWorker;
class ScheduleWiring;
class SettingsAccess;

class MainWindowController : public QObject {
    Q_OBJECT

public:
    /// Every reference must outlive the controller; the window's platform must have volumes,
    /// folders and file operations.
    MainWindowController(MainWindow& window, FileServices& files, const RegionalSettings& regional,
                         const Clock& clock, QObject* parent = nullptr);
    ~MainWindowController() override;

    /// The creation handler (MainWindow::formCreate, which this object completes): the first
    /// start, the next scan time when timed scans are on, the stored options into the controls
    /// (keys that do not read back are reported together), then the handlers are connected and
    /// the schedule timer starts.
    void formCreate();
    /// MainWindow::saveSettings: writes every option from the controls; throws UserError as the
    /// settings file does.
    void saveSettings();
    /// Stops a running scan or clean and waits for it, and stops the schedule timer.
    void shutdown();

    /// "Scan Now": a manual scan; the schedule timer stays off afterwards.
    void scanNow();
    /// "Clean All" and "Clean Selected".
    void cleanAll();
    void cleanSelected();

    /// Starts a scan (the timer goes off first); `then` runs on the UI thread once the rows are
    /// all listed, also after a failed run (see lastRunFailed). Returns false, doing nothing, while
    /// a run is in progress.
    bool startScan(bool timed, std::function<void()> then = {});
    /// Starts "Clean All"; `then` runs once the list shows the result.
    bool startCleanAll(std::function<void()> then = {});

    /// Whether a scan or a clean is running.
    bool busy() const;
    /// Whether the last scan or clean failed (its error has been reported).
    bool lastRunFailed() const { return lastRunFailed_; }
    MainWindow& window() const { return window_; }
    ScheduleWiring& schedule() const { return *schedule_; }
    const RegionalSettings& regional() const { return regional_; }
    const Clock& clock() const { return clock_; }
    /// A fresh access object for the settings file.
    SettingsAccess settings() const;
    /// Runs a handler's body; a UserError or other exception goes to the error box.
    void guarded(const std::function<void()>& body) const;
    /// Shows a message in the application's error box.
    void reportError(const QString& text) const;

signals:
    /// A scan or a clean has ended and the window shows its result.
    void runFinished();

private:
    void loadAndConnect();
    void writeOptions();
    void connectHandlers();
    void connectSaveOnMouseUp(QWidget* control);
    bool startClean(std::vector<DisposalItem> items, std::function<void()> then);
    void setBusy(bool busy);
    void scanFinished(const ScanOutcome& outcome, const QString& error);
    void removeDisposedRows(const std::vector<std::size_t>& keys);
    void cleanFinished(const DisposalResult& result, const QString& error);
    void updateFoundFilesMenu();
    int firstSelectedFoundFile() const;
    void viewSelectedFile();
    void showSelectedProperties();
    void chooseFolder();
    void addPattern();
    void removePattern();
    void checkThreshold();

    MainWindow& window_;
    FileServices& files_;
    const RegionalSettings& regional_;
    const Clock& clock_;
    RegionalTimeOfDay times_;
    ScanWorker* scanWorker_;
    CleanWorker* cleanWorker_;
    std::unique_ptr<ScheduleWiring> schedule_;
    std::function<void()> afterRun_;
    bool resumeTimerAfterClean_ = false;
    std::size_t cleanRowsRemoved_ = 0;  ///< rows the running clean has taken off the list
    bool lastRunFailed_ = false;
};

/// The range check of a number text: true, after showing "Please enter a value between <low>
/// and <high>", for an empty text or a number outside the range; false for a number within
/// it. A text that is not a whole number throws UserError "'<text>' is not a valid integer
/// value".
bool CheckRange(int low, int high, const QString& text, class DesktopServices& desktop);

}  // namespace korvane
