// The main window's creation, save and commands. Runs happen on worker threads over snapshots
// of the controls; while one runs, the commands that would change what it works on are off.
#include "mainwindow/MainWindowController.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <exception>

#include "mainwindow/CleanWorker.h"
#include "mainwindow/FoundFilesModel.h"
#include "mainwindow/FoundFilesPage.h"
#include "mainwindow/FoundFilesView.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MouseUpSignal.h"
#include "mainwindow/NumberField.h"
#include "mainwindow/OptionsPage.h"
#include "mainwindow/RoundedButton.h"
#include "mainwindow/ScanForPage.h"
#include "mainwindow/ScanWorker.h"
#include "mainwindow/SchedulePage.h"
#include "mainwindow/ScheduleWiring.h"
#include "mainwindow/StatusPanels.h"
#include "mainwindow/WindowOptions.h"
#include "platform/Platform.h"
#include "platform/desktop/DesktopServices.h"
#include "platform/desktop/FileServices.h"
#include "settings/SettingsAccess.h"
#include "settings/UserError.h"
#include "settings/WholeNumber.h"

namespace korvane {
namespace {

constexpr int kActivityPanel = 2;

}  // namespace

MainWindowController::MainWindowController(MainWindow& window, FileServices& files,
                                           const RegionalSettings& regional, const Clock& clock,
                                           QObject* parent)
    : QObject(parent),
      window_(window),
      files_(files),
      regional_(regional),
      clock_(clock),
      times_(regional, clock),
      scanWorker_(new ScanWorker(*window.platform().volumes, *window.platform().folders, this)),
      cleanWorker_(new CleanWorker(*window.platform().files, this)),
      schedule_(std::make_unique<ScheduleWiring>(*this)) {
    FoundFilesModel* model = window_.mainPage()->foundFiles();
    connect(scanWorker_, &ScanWorker::rowsFound, model,
            [model](std::vector<FoundFile> rows) { model->appendRows(std::move(rows)); });
    connect(scanWorker_, &ScanWorker::statusChanged, this,
            [this](const QString& text) { window_.stat1()->setPanelText(kActivityPanel, text); });
    connect(scanWorker_, &ScanWorker::finished, this, &MainWindowController::scanFinished);
    connect(cleanWorker_, &CleanWorker::rowsDisposed, this,
            &MainWindowController::removeDisposedRows);
    connect(cleanWorker_, &CleanWorker::finished, this, &MainWindowController::cleanFinished);
    window_.setSettingsHandlers([this] { loadAndConnect(); }, [this] { writeOptions(); });
    // A run must not outlive the program: it is stopped and joined before the end.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &MainWindowController::shutdown);
}

MainWindowController::~MainWindowController() {
    // The window may be gone already: only the workers are stopped here.
    scanWorker_->stop();
    cleanWorker_->stop();
}

SettingsAccess MainWindowController::settings() const {
    return SettingsAccess(window_.platform().folders->settingsFile());
}

void MainWindowController::reportError(const QString& text) const {
    window_.desktop().showError(text);
}

void MainWindowController::guarded(const std::function<void()>& body) const {
    try {
        body();
    } catch (const std::exception& error) {
        reportError(QString::fromStdString(error.what()));
    }
}

void MainWindowController::formCreate() {
    window_.formCreate();
}

void MainWindowController::loadAndConnect() {
    guarded([this] {
        SettingsAccess access = settings();
        schedule_->startUpDisplay(access);
        const LoadedOptions loaded = LoadSettings(access, times_);
        applyLoadedOptions(window_, loaded);
        if (!loaded.errors.empty()) {
            QStringList messages;
            for (const std::string& message : loaded.errors)
                messages.append(QString::fromStdString(message));
            reportError(messages.join(QLatin1Char('\n')));
        }
    });
    connectHandlers();
    schedule_->connectHandlers();
    window_.Timer1()->start();
}

void MainWindowController::saveSettings() {
    window_.saveSettings();
}

void MainWindowController::writeOptions() {
    SettingsAccess access = settings();
    SaveSettings(access, optionsFromWindow(window_), times_);
}

void MainWindowController::shutdown() {
    window_.Timer1()->stop();
    afterRun_ = nullptr;
    scanWorker_->stop();
    cleanWorker_->stop();
    if (window_.cursor().shape() == Qt::WaitCursor)
        setBusy(false);
}

void MainWindowController::connectSaveOnMouseUp(QWidget* control) {
    connect(MouseUpSignal::of(control), &MouseUpSignal::released, this,
            [this] { guarded([this] { saveSettings(); }); });
}

void MainWindowController::connectHandlers() {
    OptionsPage& options = *window_.optionsPage();
    ScanForPage& scanFor = *window_.scanForPage();
    SchedulePage& schedule = *window_.schedulePage();
    FoundFilesPage& found = *window_.mainPage();

    connect(window_.Button1(), &QAbstractButton::clicked, this, &MainWindowController::scanNow);
    connect(window_.Button2(), &QAbstractButton::clicked, this, &MainWindowController::cleanAll);
    connect(window_.cmdClean(), &QAbstractButton::clicked, this,
            &MainWindowController::cleanSelected);
    connect(window_.btnExit(), &QAbstractButton::clicked, this, [this] {
        guarded([this] {
            saveSettings();
            window_.close();
        });
    });
    connect(&window_, &MainWindow::helpKeyReleased, this,
            [this] { window_.openHelpTopic(QStringLiteral("Operation")); });

    connect(found.lv1(), &FoundFilesView::mousePressed, this,
            &MainWindowController::updateFoundFilesMenu);
    connect(found.lv1(), &FoundFilesView::mouseClicked, this,
            &MainWindowController::updateFoundFilesMenu);
    connect(found.lv1(), &QAbstractItemView::doubleClicked, this,
            &MainWindowController::viewSelectedFile);
    connect(found.mnuViewFile(), &QAction::triggered, this,
            &MainWindowController::viewSelectedFile);
    connect(found.mnuProps(), &QAction::triggered, this,
            &MainWindowController::showSelectedProperties);

    // Mouse releases save; the same change made with the keyboard waits for the next save.
    connectSaveOnMouseUp(options.clbDrives()->viewport());
    for (QWidget* control : std::initializer_list<QWidget*>{
             options.optNormDel(), options.optRecBin(), options.optFolder(), scanFor.cbTempFolder(),
             scanFor.cbCacheFolder(), scanFor.cbCookieFolder(), schedule.chkClean(),
             schedule.cbOnlyScan()}) {
        connectSaveOnMouseUp(control);
    }
    auto* megs = qobject_cast<NumberField*>(schedule.meMegs()->parentWidget());
    connect(megs, &NumberField::fieldMouseReleased, this,
            [this] { guarded([this] { saveSettings(); }); });
    connect(megs, &NumberField::fieldExited, this, &MainWindowController::checkThreshold);
    connect(schedule.UpDown2(), &UpDown::mouseReleased, this,
            [this] { guarded([this] { saveSettings(); }); });

    connect(options.cmdBrowse(), &QAbstractButton::clicked, this,
            &MainWindowController::chooseFolder);
    connect(scanFor.cmdAdd(), &QAbstractButton::clicked, this, &MainWindowController::addPattern);
    connect(scanFor.cmdRemove(), &QAbstractButton::clicked, this,
            &MainWindowController::removePattern);
}

bool MainWindowController::busy() const {
    return scanWorker_->running() || cleanWorker_->running();
}

void MainWindowController::setBusy(bool busy) {
    OptionsPage& options = *window_.optionsPage();
    ScanForPage& scanFor = *window_.scanForPage();
    for (QWidget* command : std::initializer_list<QWidget*>{
             window_.Button1(), window_.Button2(), window_.cmdClean(), scanFor.cmdAdd(),
             scanFor.cmdRemove(), options.optNormDel(), options.optRecBin(), options.optFolder()}) {
        command->setEnabled(!busy);
    }
    if (busy) {
        window_.setCursor(Qt::WaitCursor);
    } else {
        window_.unsetCursor();
    }
}

void MainWindowController::scanNow() {
    startScan(false);
}

bool MainWindowController::startScan(bool timed, std::function<void()> then) {
    if (busy())
        return false;
    window_.Timer1()->stop();
    ScanChoices choices = scanChoicesFromWindow(window_, settings(), timed);
    window_.mainPage()->foundFiles()->clear();
    afterRun_ = std::move(then);
    setBusy(true);
    scanWorker_->start(std::move(choices));
    return true;
}

void MainWindowController::scanFinished(const ScanOutcome& outcome, const QString& error) {
    setBusy(false);
    lastRunFailed_ = !error.isEmpty();
    if (lastRunFailed_) {
        reportError(error);
        emit runFinished();
        if (auto then = std::exchange(afterRun_, nullptr))
            then();
        return;
    }
    window_.stat1()->setPanelText(kActivityPanel,
                                  QString::fromStdString(totalFilesText(outcome.totalKilobytes)));
    emit runFinished();
    if (auto then = std::exchange(afterRun_, nullptr))
        then();
}

void MainWindowController::cleanAll() {
    startCleanAll();
}

bool MainWindowController::startCleanAll(std::function<void()> then) {
    return startClean(cleanAllItems(window_.mainPage()->foundFiles()->files()), std::move(then));
}

void MainWindowController::cleanSelected() {
    const FoundFilesModel& model = *window_.mainPage()->foundFiles();
    std::vector<bool> selected(model.files().size(), false);
    for (const QModelIndex& index : window_.mainPage()->lv1()->selectionModel()->selectedRows())
        selected[static_cast<std::size_t>(index.row())] = true;
    startClean(cleanSelectedItems(model.files(), selected), {});
}

bool MainWindowController::startClean(std::vector<DisposalItem> items, std::function<void()> then) {
    if (busy())
        return false;
    // A clean by hand gives the timer back as it found it; a timed one leaves that to the tick.
    resumeTimerAfterClean_ = window_.Timer1()->isActive();
    window_.Timer1()->stop();
    const int option = window_.optionsPage()->disposal();
    afterRun_ = std::move(then);
    cleanRowsRemoved_ = 0;
    setBusy(true);
    if (option == OptionsPage::NoDisposal)
        items.clear();
    cleanWorker_->start(std::move(items), static_cast<DeleteOption>(option == 0 ? 1 : option),
                        window_.optionsPage()->edtFolder()->text().toStdString());
    return true;
}

void MainWindowController::removeDisposedRows(const std::vector<std::size_t>& keys) {
    // The list holds still while a clean runs but for these removals, and files are disposed
    // of in list order: every row removed so far stood above the ones reported now.
    std::vector<int> rows;
    rows.reserve(keys.size());
    for (const std::size_t key : keys)
        rows.push_back(static_cast<int>(key - cleanRowsRemoved_));
    cleanRowsRemoved_ += keys.size();
    window_.mainPage()->foundFiles()->removeRowList(std::move(rows));
}

void MainWindowController::cleanFinished(const DisposalResult& result, const QString& error) {
    FoundFilesModel& model = *window_.mainPage()->foundFiles();
    const std::vector<std::size_t>& disposed = result.disposedRows;
    for (const DisposalFailure& failure : result.failures) {
        const auto removedAbove = std::lower_bound(disposed.begin(), disposed.end(), failure.row);
        const auto row = failure.row - static_cast<std::size_t>(removedAbove - disposed.begin());
        model.setFailureReason(static_cast<int>(row), QString::fromStdString(failure.reason));
    }
    window_.stat1()->setPanelText(kActivityPanel, QString::fromStdString(result.statusText()));
    setBusy(false);
    if (std::exchange(resumeTimerAfterClean_, false))
        window_.Timer1()->start();
    lastRunFailed_ = !error.isEmpty();
    if (lastRunFailed_)
        reportError(error);
    emit runFinished();
    if (auto then = std::exchange(afterRun_, nullptr))
        then();
}

void MainWindowController::updateFoundFilesMenu() {
    FoundFilesPage& found = *window_.mainPage();
    const bool enable =
        found.foundFiles()->rowCount() > 0 && found.lv1()->selectionModel()->hasSelection();
    found.mnuViewFile()->setEnabled(enable);
    found.mnuProps()->setEnabled(enable);
}

int MainWindowController::firstSelectedFoundFile() const {
    int first = -1;
    for (const QModelIndex& index : window_.mainPage()->lv1()->selectionModel()->selectedRows()) {
        if (first < 0 || index.row() < first)
            first = index.row();
    }
    return first;
}

void MainWindowController::viewSelectedFile() {
    const int row = firstSelectedFoundFile();
    if (row < 0)
        return;
    files_.viewFile(QString::fromStdString(window_.mainPage()->foundFiles()->file(row).path()));
}

void MainWindowController::showSelectedProperties() {
    const int row = firstSelectedFoundFile();
    if (row < 0)
        return;
    files_.showProperties(
        QString::fromStdString(window_.mainPage()->foundFiles()->file(row).path()), &window_);
}

void MainWindowController::chooseFolder() {
    QLineEdit* folder = window_.optionsPage()->edtFolder();
    const QString chosen =
        files_.chooseFolder(&window_, QStringLiteral("Choose a folder below:"), folder->text());
    if (!chosen.isEmpty())
        folder->setText(chosen);
}

void MainWindowController::addPattern() {
    ScanForPage& scanFor = *window_.scanForPage();
    if (busy())
        return;
    const QString text = scanFor.edtNewScan()->text();
    if (!text.isEmpty())
        scanFor.addPattern(text, true);
    guarded([this] { saveSettings(); });
}

void MainWindowController::removePattern() {
    QListWidget* patterns = window_.scanForPage()->lvScan();
    if (busy())
        return;
    const QList<QListWidgetItem*> selected = patterns->selectedItems();
    if (!selected.isEmpty())
        delete patterns->takeItem(patterns->row(selected.front()));
    guarded([this] { saveSettings(); });
}

void MainWindowController::checkThreshold() {
    QLineEdit* megs = window_.schedulePage()->meMegs();
    guarded([this, megs] {
        if (CheckRange(1, 9999, megs->text().trimmed(), window_.desktop())) {
            // Given back once the focus change that raised the check is over.
            QTimer::singleShot(0, megs, [megs] { megs->setFocus(Qt::OtherFocusReason); });
        }
    });
}

bool CheckRange(int low, int high, const QString& text, DesktopServices& desktop) {
    const QString message =
        QStringLiteral("Please enter a value between %1 and %2").arg(low).arg(high);
    if (text.isEmpty()) {
        desktop.showInformation(message);
        return true;
    }
    const std::int32_t value = readWholeNumber(text.toStdString());
    if (value > high || value < low) {
        desktop.showInformation(message);
        return true;
    }
    return false;
}

}  // namespace korvane
