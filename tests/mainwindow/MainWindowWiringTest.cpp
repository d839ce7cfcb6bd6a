// The wired main window over the fake platform, temporary folders as drives and special folders,
// and a pinned clock: settings loaded into the controls and saved back, the events that save and
// those that do not, Scan Now and the cleaning commands on their workers, the commands of the
// found-files list and the Scan For page, and the errors that reach the error box.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <memory>

#include "mainwindow/FoundFilesModel.h"
#include "mainwindow/FoundFilesPage.h"
#include "mainwindow/FoundFilesView.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowController.h"
#include "mainwindow/OptionsPage.h"
#include "mainwindow/RoundedButton.h"
#include "mainwindow/ScanForPage.h"
#include "mainwindow/SchedulePage.h"
#include "mainwindow/ScheduleWiring.h"
#include "mainwindow/StatusPanels.h"
#include "mainwindow/UpDown.h"
#include "platform/desktop/RecordingDesktopServices.h"
#include "platform/desktop/RecordingFileServices.h"
#include "platform/fake/FakePlatform.h"
#include "settings/SettingsAccess.h"
#include "support/SettingsExamples.h"

using namespace korvane;

namespace {

using test::unitedStates;

void writeText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QByteArray readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The release that a mouse click ends is announced after the control has taken it.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

}  // namespace

class MainWindowWiringTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void exampleFileLoadsIntoTheControlsAndSavesBack();
    void badKeysAreShownOnceAndKeepTheirDesignValues();
    void mouseChangesSaveAndOtherChangesWait();
    void spinnerPressSavesTwiceAndShowsTheNewTime();
    void scanNowListsRowsAndRefusesCommandsWhileItRuns();
    void cleanSelectedKeepsUnselectedAndFailedRows();
    void cleanSelectedTakesRowsOffAsItGoes();
    void cleanAllSendsEveryRowToTheTrash();
    void dueTickScansCleansAndShowsTheNextTime();
    void tickBeforeTheMinuteDoesNothing();
    void scanNowLeavesTheTimerOffUntilTheBoxIsTicked();
    void unreadablePanelIsReportedOnce();
    void foundFilesCommandsActOnTheFirstSelectedRow();
    void patternCommandsAddRemoveAndSave();
    void folderPickerSetsTheFolderWithoutSaving();
    void thresholdRangeCheck_data();
    void thresholdRangeCheck();
    void refusedSaveIsShownInTheErrorBox();
    void helpKeyOpensOperation();

private:
    void start(const QByteArray& settingsText);
    QString settingsPath() const { return QString::fromStdString(fake_.folders->settingsFile()); }
    QString drivePath(const QString& relative) const { return base_.filePath("c/" + relative); }
    std::string settingValue(const char* section, const char* key) const {
        return SettingsAccess(settingsPath().toStdString()).readText(section, key, "<absent>");
    }
    void waitForRuns(int count);
    void scanTwoTmpFiles();
    QStringList rowNames() const;

    QTemporaryDir base_;
    FakePlatform fake_;
    RecordingDesktopServices desktop_;
    RecordingFileServices files_;
    RegionalSettings regional_ = unitedStates();
    FixedClock clock_{makeDateTime(1999, 6, 14, 9, 0, 0)};
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<MainWindowController> controller_;
    std::unique_ptr<QSignalSpy> runs_;
};

void MainWindowWiringTest::init() {
    QVERIFY(base_.isValid());
    fake_ = makeFakePlatform(base_.path().toStdString());
    // Three drives; the first is the temporary tree the scans walk.
    QDir().mkpath(base_.filePath("c"));
    QDir().mkpath(base_.filePath("d"));
    fake_.volumes->addDrive('c', base_.filePath("c").toStdString(), 1u << 30, "c: [tree]");
    fake_.volumes->addDrive('d', base_.filePath("d").toStdString(), 1u << 30, "d: [data]");
    fake_.volumes->addDrive('e', base_.filePath("e").toStdString(), {}, "e: [gone]");
    clock_.set(makeDateTime(1999, 6, 14, 9, 0, 0));
}

void MainWindowWiringTest::cleanup() {
    // A test that failed while a clean was held must not leave the worker waiting forever.
    if (fake_.files != nullptr)
        fake_.files->release();
    controller_.reset();
    window_.reset();
    runs_.reset();
    desktop_ = RecordingDesktopServices();
    files_ = RecordingFileServices();
    QDir(base_.path()).removeRecursively();
    QDir().mkpath(base_.path());
}

void MainWindowWiringTest::start(const QByteArray& settingsText) {
    writeText(settingsPath(), settingsText);
    window_ = std::make_unique<MainWindow>(fake_.platform, desktop_);
    controller_ = std::make_unique<MainWindowController>(*window_, files_, regional_, clock_);
    runs_ = std::make_unique<QSignalSpy>(controller_.get(), &MainWindowController::runFinished);
    controller_->formCreate();
}

void MainWindowWiringTest::waitForRuns(int count) {
    QTRY_COMPARE_WITH_TIMEOUT(runs_->count(), count, 10000);
}

QStringList MainWindowWiringTest::rowNames() const {
    QStringList names;
    for (const FoundFile& file : window_->mainPage()->foundFiles()->files())
        names.append(QString::fromStdString(file.name));
    return names;
}

// Drive c: ticked with the pattern *.tmp ticked, and no special folder.
void MainWindowWiringTest::scanTwoTmpFiles() {
    writeText(drivePath("a.tmp"), QByteArray(2000, 'a'));
    writeText(drivePath("sub/b.tmp"), QByteArray(600, 'b'));
    writeText(drivePath("c.txt"), QByteArray(5000, 'c'));
    start(
        "[Main]\nFirstRun=0\n[Settings]\nDrives=0,\nDeleteOption=1\n"
        "[Scan]\nScanFor=*.tmp,1,*.txt,0,\nCheck1=0\nCheck2=0\nCheck3=0\n");
    window_->Button1()->click();
    waitForRuns(1);
}

void MainWindowWiringTest::exampleFileLoadsIntoTheControlsAndSavesBack() {
    start(test::kExampleSettingsFile);
    QVERIFY(desktop_.errorTexts.isEmpty());
    const OptionsPage& options = *window_->optionsPage();
    const ScanForPage& scanFor = *window_->scanForPage();
    const SchedulePage& schedule = *window_->schedulePage();
    QCOMPARE(options.clbDrives()->item(0)->checkState(), Qt::Unchecked);
    QCOMPARE(options.clbDrives()->item(1)->checkState(), Qt::Checked);
    QCOMPARE(options.clbDrives()->item(2)->checkState(), Qt::Checked);
    QVERIFY(options.optRecBin()->isChecked());
    QCOMPARE(scanFor.lvScan()->count(), 2);
    QCOMPARE(scanFor.lvScan()->item(0)->text(), QString("*.tmp"));
    QCOMPARE(scanFor.lvScan()->item(1)->checkState(), Qt::Unchecked);
    QVERIFY(!scanFor.cbCookieFolder()->isChecked());
    QVERIFY(schedule.chkClean()->isChecked());
    QVERIFY(schedule.optDays()->isChecked());
    QCOMPARE(schedule.meDays()->text().trimmed(), QString("2"));
    QCOMPARE(schedule.udDays()->position(), 2);
    QCOMPARE(schedule.dt1()->time(), QTime(22, 30));
    QCOMPARE(schedule.cbDays()->currentIndex(), -1);
    QCOMPARE(window_->stat1()->panelText(1), QString("Next Scan: 6/18/99 10:30:00 PM"));
    QVERIFY(window_->Timer1()->isActive());

    window_->btnExit()->click();
    QCOMPARE(readText(settingsPath()), QByteArray(test::kExampleSettingsFile));
}

void MainWindowWiringTest::badKeysAreShownOnceAndKeepTheirDesignValues() {
    start(
        "[Main]\nFirstRun=0\n[Settings]\nDrives=0,x,\n"
        "[Schedule]\nAutoScan=0\nMinuteInterval=\nHourInterval=7\nDayParameter=tea\n"
        "WeekParameter=3\nMonthParameter=9\n");
    QCOMPARE(desktop_.errorTexts,
             QStringList{"'x' is not a valid integer value\n'' is not a valid integer value\n"
                         "'tea' is not a valid time."});
    const SchedulePage& schedule = *window_->schedulePage();
    QCOMPARE(window_->optionsPage()->clbDrives()->item(0)->checkState(), Qt::Unchecked);
    QCOMPARE(schedule.meMins()->text(), QString("30"));
    QCOMPARE(schedule.meHours()->text(), QString("7"));
    QCOMPARE(schedule.dt1()->time(), QTime(0, 0));
    QCOMPARE(schedule.cbDays()->currentIndex(), 2);
    QCOMPARE(schedule.meDayOfTheMonth()->text(), QString("9"));
    QVERIFY(!schedule.cbSchedule()->isChecked());
    QCOMPARE(window_->stat1()->panelText(1), QString());
}

void MainWindowWiringTest::mouseChangesSaveAndOtherChangesWait() {
    start("[Main]\nFirstRun=0\n[Scan]\nScanFor=*.tmp,1,\n");
    window_->show();
    ScanForPage& scanFor = *window_->scanForPage();
    window_->PageControl1()->setCurrentWidget(&scanFor);

    // Unticking a pattern and a box set with the keyboard write nothing.
    scanFor.lvScan()->item(0)->setCheckState(Qt::Unchecked);
    QTest::keyClick(scanFor.cbTempFolder(), Qt::Key_Space);
    settle();
    QVERIFY(!scanFor.cbTempFolder()->isChecked());
    QCOMPARE(settingValue("Scan", "ScanFor"), std::string("*.tmp,1,"));
    QCOMPARE(settingValue("Scan", "Check1"), std::string("<absent>"));

    // A mouse click on a box saves every option as the controls show them.
    QTest::mouseClick(scanFor.cbCacheFolder(), Qt::LeftButton);
    settle();
    QCOMPARE(settingValue("Scan", "Check1"), std::string("0"));
    QCOMPARE(settingValue("Scan", "Check2"), std::string("0"));
    QCOMPARE(settingValue("Scan", "ScanFor"), std::string("*.tmp,0,"));

    // Unticking the schedule box with the mouse empties panel 1 and stops the timer unsaved.
    SchedulePage& schedule = *window_->schedulePage();
    window_->PageControl1()->setCurrentWidget(&schedule);
    QVERIFY(schedule.cbSchedule()->isChecked());
    QTest::mouseClick(schedule.cbSchedule(), Qt::LeftButton);
    settle();
    QCOMPARE(window_->stat1()->panelText(1), QString());
    QVERIFY(!window_->Timer1()->isActive());
    QCOMPARE(settingValue("Schedule", "AutoScan"), std::string("1"));

    // A schedule kind chosen with the keyboard saves nothing, except the monthly one.
    QSignalSpy saves(window_.get(), &MainWindow::settingsSaved);
    QTest::keyClick(schedule.optDays(), Qt::Key_Space);
    settle();
    QVERIFY(schedule.optDays()->isChecked());
    QCOMPARE(saves.count(), 0);
    QTest::keyClick(schedule.optMonths(), Qt::Key_Space);
    settle();
    QVERIFY(schedule.optMonths()->isChecked());
    QCOMPARE(saves.count(), 1);
    QCOMPARE(settingValue("Schedule", "OptionChecked"), std::string("5"));
    QVERIFY(window_->stat1()->panelText(1).startsWith("Next Scan: "));

    // The time picker writes DayParameter alone and shows the next time.
    schedule.dt1()->setTime(QTime(6, 5));
    QCOMPARE(settingValue("Schedule", "DayParameter"), std::string("6:05 AM"));
    QVERIFY(window_->stat1()->panelText(1).startsWith("Next Scan: "));
}

void MainWindowWiringTest::spinnerPressSavesTwiceAndShowsTheNewTime() {
    start(
        "[Main]\nFirstRun=0\n[Schedule]\nOptionChecked=3\nDayInterval=5\nDayParameter=10:00 AM\n"
        "LastScan=6/14/99 8:00 AM\n");
    QSignalSpy saves(window_.get(), &MainWindow::settingsSaved);
    window_->schedulePage()->udDays()->press(+1);
    QCOMPARE(saves.count(), 2);
    QCOMPARE(settingValue("Schedule", "DayInterval"), std::string("6"));
    QCOMPARE(window_->stat1()->panelText(1), QString("Next Scan: 6/20/99 10:00:00 AM"));

    // At the end of its range only the first of the two comes.
    window_->schedulePage()->udMinutes()->setPosition(59);
    saves.clear();
    window_->schedulePage()->udMinutes()->press(+1);
    QCOMPARE(saves.count(), 0);
}

void MainWindowWiringTest::scanNowListsRowsAndRefusesCommandsWhileItRuns() {
    writeText(drivePath("a.tmp"), QByteArray(2000, 'a'));
    writeText(drivePath("sub/b.tmp"), QByteArray(600, 'b'));
    writeText(base_.filePath("Temp/t.dat"), QByteArray(1536, 't'));
    start(
        "[Main]\nFirstRun=0\n[Settings]\nDrives=0,\nDeleteOption=3\n"
        "[Scan]\nScanFor=*.tmp,1,\nCheck2=0\nCheck3=0\n");
    QVERIFY(window_->Timer1()->isActive());

    window_->Button1()->click();
    // From the start of the run: the timer is off and the list's commands wait.
    QVERIFY(!window_->Timer1()->isActive());
    QCOMPARE(window_->cursor().shape(), Qt::WaitCursor);
    for (QWidget* command : std::initializer_list<QWidget*>{
             window_->Button1(), window_->Button2(), window_->cmdClean(),
             window_->scanForPage()->cmdAdd(), window_->scanForPage()->cmdRemove(),
             window_->optionsPage()->optNormDel()}) {
        QVERIFY2(!command->isEnabled(), qPrintable(command->objectName()));
    }
    QVERIFY(!controller_->startScan(false));

    waitForRuns(1);
    QStringList names = rowNames();
    names.sort();
    QCOMPARE(names, (QStringList{"a.tmp", "b.tmp", "t.dat"}));
    QCOMPARE(window_->stat1()->panelText(2), QString("Total Files: 5k"));
    QCOMPARE(window_->mainPage()->foundFiles()->file(0).imageIndex, 2);
    QVERIFY(window_->Button1()->isEnabled());
    QVERIFY(window_->optionsPage()->optNormDel()->isEnabled());
    QVERIFY(window_->cursor().shape() != Qt::WaitCursor);
    QVERIFY(!window_->Timer1()->isActive());
}

void MainWindowWiringTest::cleanSelectedKeepsUnselectedAndFailedRows() {
    writeText(drivePath("z.tmp"), QByteArray(3000, 'z'));
    scanTwoTmpFiles();
    FoundFilesModel& model = *window_->mainPage()->foundFiles();
    QCOMPARE(model.rowCount(), 3);
    // Select every row but the last; the first one cannot be deleted.
    QItemSelectionModel& selection = *window_->mainPage()->lv1()->selectionModel();
    selection.select(model.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection.select(model.index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const FoundFile failing = model.file(0);
    const FoundFile disposed = model.file(1);
    const FoundFile unselected = model.file(2);
    fake_.files->failPath(failing.path(), "Permission denied");

    window_->cmdClean()->click();
    waitForRuns(2);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.file(0).path(), failing.path());
    QCOMPARE(model.data(model.index(0, 0), Qt::ToolTipRole).toString(),
             QString("Permission denied"));
    QCOMPARE(model.file(1).path(), unselected.path());
    QVERIFY(QFile::exists(QString::fromStdString(failing.path())));
    QVERIFY(!QFile::exists(QString::fromStdString(disposed.path())));
    QCOMPARE(window_->stat1()->panelText(2),
             QString("Space Cleaned: %1k").arg(disposed.kilobytes()));
}

void MainWindowWiringTest::cleanSelectedTakesRowsOffAsItGoes() {
    writeText(drivePath("z.tmp"), QByteArray(3000, 'z'));
    scanTwoTmpFiles();
    FoundFilesModel& model = *window_->mainPage()->foundFiles();
    QCOMPARE(model.rowCount(), 3);
    window_->mainPage()->lv1()->selectAll();
    const FoundFile failing = model.file(1);
    const FoundFile last = model.file(2);
    fake_.files->failPath(failing.path(), "Permission denied");
    fake_.files->holdPath(last.path());

    window_->cmdClean()->click();
    // The first row goes while the clean still waits on the last one.
    QTRY_COMPARE(model.rowCount(), 2);
    QVERIFY(!window_->Button1()->isEnabled());
    QCOMPARE(model.file(0).path(), failing.path());

    fake_.files->release();
    waitForRuns(2);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.file(0).path(), failing.path());
    QCOMPARE(model.data(model.index(0, 0), Qt::ToolTipRole).toString(),
             QString("Permission denied"));
    QVERIFY(window_->Button1()->isEnabled());
}

void MainWindowWiringTest::cleanAllSendsEveryRowToTheTrash() {
    scanTwoTmpFiles();
    QCOMPARE(window_->mainPage()->foundFiles()->rowCount(), 2);
    window_->optionsPage()->optRecBin()->setChecked(true);
    window_->Button2()->click();
    waitForRuns(2);
    QCOMPARE(window_->mainPage()->foundFiles()->rowCount(), 0);
    QCOMPARE(window_->stat1()->panelText(2), QString("Space Cleaned: 3k"));
    QVERIFY(QFile::exists(base_.filePath("Trash/a.tmp")));
    QVERIFY(QFile::exists(base_.filePath("Trash/b.tmp")));
    QVERIFY(QFile::exists(drivePath("c.txt")));
}

void MainWindowWiringTest::dueTickScansCleansAndShowsTheNextTime() {
    writeText(drivePath("old.tmp"), QByteArray(4096, 'o'));
    start(
        "[Main]\nFirstRun=0\n[Settings]\nDrives=0,\nDeleteOption=1\nAutoErase=1\n"
        "[Scan]\nScanFor=*.tmp,1,\nCheck1=0\nCheck2=0\nCheck3=0\n"
        "[Schedule]\nOptionChecked=1\nMinuteInterval=10\nLastScan=6/14/99 8:50 AM\n");
    QCOMPARE(window_->stat1()->panelText(1), QString("Next Scan: 6/14/99 9:00:00 AM"));

    clock_.set(makeDateTime(1999, 6, 14, 9, 0, 20));
    controller_->schedule().Timer1Timer();
    QCOMPARE(settingValue("Schedule", "LastScan"), std::string("6/14/99 9:00 AM"));
    QVERIFY(!window_->Timer1()->isActive());
    waitForRuns(2);  // the timed scan, then the automatic clean
    QVERIFY(!QFile::exists(drivePath("old.tmp")));
    QCOMPARE(window_->mainPage()->foundFiles()->rowCount(), 0);
    QCOMPARE(window_->stat1()->panelText(2), QString("Space Cleaned: 4k"));
    QCOMPARE(window_->stat1()->panelText(1), QString("Next Scan: 6/14/99 9:10:00 AM"));
    QVERIFY(window_->Timer1()->isActive());
    QVERIFY(desktop_.errorTexts.isEmpty());
}

void MainWindowWiringTest::tickBeforeTheMinuteDoesNothing() {
    start("[Main]\nFirstRun=0\n[Schedule]\nOptionChecked=1\nLastScan=6/14/99 8:30 AM\n");
    QCOMPARE(window_->stat1()->panelText(1), QString("Next Scan: 6/14/99 9:00:00 AM"));
    clock_.set(makeDateTime(1999, 6, 14, 8, 59, 59));
    controller_->schedule().Timer1Timer();
    QVERIFY(!controller_->busy());
    QCOMPARE(settingValue("Schedule", "LastScan"), std::string("6/14/99 8:30 AM"));
    QVERIFY(window_->Timer1()->isActive());

    // With the schedule box unticked, a due time starts nothing either.
    window_->schedulePage()->cbSchedule()->setChecked(false);
    clock_.set(makeDateTime(1999, 6, 14, 9, 5, 0));
    controller_->schedule().Timer1Timer();
    QVERIFY(!controller_->busy());
    QCOMPARE(runs_->count(), 0);
}

void MainWindowWiringTest::scanNowLeavesTheTimerOffUntilTheBoxIsTicked() {
    start("[Main]\nFirstRun=0\n[Schedule]\nOptionChecked=1\n");
    window_->show();
    window_->Button1()->click();
    waitForRuns(1);
    QCOMPARE(window_->stat1()->panelText(2), QString("Total Files: 0k"));
    QVERIFY(!window_->Timer1()->isActive());

    SchedulePage& schedule = *window_->schedulePage();
    window_->PageControl1()->setCurrentWidget(&schedule);
    QTest::mouseClick(schedule.cbSchedule(), Qt::LeftButton);  // off
    settle();
    QTest::mouseClick(schedule.cbSchedule(), Qt::LeftButton);  // on again
    settle();
    QVERIFY(window_->Timer1()->isActive());
    QVERIFY(window_->stat1()->panelText(1).startsWith("Next Scan: 6/14/99 9:"));

    // Ticked during a run, the timer starts once the run is over.
    window_->Button1()->click();
    QVERIFY(controller_->busy());
    controller_->schedule().cbScheduleMouseUp();
    QVERIFY(!window_->Timer1()->isActive());
    waitForRuns(2);
    QVERIFY(window_->Timer1()->isActive());
}

void MainWindowWiringTest::unreadablePanelIsReportedOnce() {
    start("[Main]\nFirstRun=0\n[Schedule]\nAutoScan=0\n");
    window_->schedulePage()->cbSchedule()->setChecked(true);  // with the keyboard, say
    controller_->schedule().Timer1Timer();
    controller_->schedule().Timer1Timer();
    QCOMPARE(desktop_.errorTexts, QStringList{"'' is not a valid date and time."});
    QVERIFY(!controller_->busy());

    // A schedule change shows a time and the ticks read it again.
    window_->schedulePage()->udMinutes()->press(-1);
    QVERIFY(window_->stat1()->panelText(1).startsWith("Next Scan: "));
    QVERIFY(!controller_->schedule().tick().resting());
}

void MainWindowWiringTest::foundFilesCommandsActOnTheFirstSelectedRow() {
    scanTwoTmpFiles();
    FoundFilesPage& page = *window_->mainPage();
    FoundFilesModel& model = *page.foundFiles();

    // The menu follows the mouse: no selection, then a selection.
    QCOMPARE(model.rowCount(), 2);
    const QPoint firstRow = page.lv1()->visualRect(model.index(0, 0)).center();
    QTest::mousePress(page.lv1()->viewport(), Qt::RightButton, {}, firstRow);
    QVERIFY(!page.mnuViewFile()->isEnabled());
    QTest::mouseRelease(page.lv1()->viewport(), Qt::RightButton, {}, firstRow);
    page.lv1()->selectionModel()->select(model.index(1, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    page.lv1()->selectionModel()->select(model.index(0, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::mousePress(page.lv1()->viewport(), Qt::RightButton, {}, firstRow);
    QVERIFY(page.mnuViewFile()->isEnabled());
    QVERIFY(page.mnuProps()->isEnabled());

    page.mnuViewFile()->trigger();
    page.mnuProps()->trigger();
    const QString upper = QString::fromStdString(model.file(0).path());
    QCOMPARE(files_.viewedFiles, QStringList{upper});
    QCOMPARE(files_.propertiesShown, QStringList{upper});

    // An emptied list leaves the items as they were, and they then do nothing.
    window_->Button2()->click();
    waitForRuns(2);
    page.mnuViewFile()->trigger();
    page.mnuProps()->trigger();
    QCOMPARE(files_.viewedFiles.size(), 1);
    QCOMPARE(files_.propertiesShown.size(), 1);
}

void MainWindowWiringTest::patternCommandsAddRemoveAndSave() {
    start("[Main]\nFirstRun=0\n");
    ScanForPage& scanFor = *window_->scanForPage();
    QSignalSpy saves(window_.get(), &MainWindow::settingsSaved);

    scanFor.cmdAdd()->click();
    QCOMPARE(scanFor.lvScan()->count(), 0);
    QCOMPARE(saves.count(), 1);

    scanFor.edtNewScan()->setText(" *.bak");
    scanFor.cmdAdd()->click();
    scanFor.cmdAdd()->click();
    QCOMPARE(scanFor.lvScan()->count(), 2);
    QCOMPARE(scanFor.lvScan()->item(1)->text(), QString(" *.bak"));
    QCOMPARE(scanFor.edtNewScan()->text(), QString(" *.bak"));
    // Written as typed; the reader drops the blanks around the whole value.
    QCOMPARE(settingValue("Scan", "ScanFor"), std::string("*.bak,1, *.bak,1,"));

    scanFor.lvScan()->clearSelection();
    scanFor.cmdRemove()->click();
    QCOMPARE(scanFor.lvScan()->count(), 2);
    scanFor.lvScan()->item(0)->setSelected(true);
    scanFor.cmdRemove()->click();
    QCOMPARE(scanFor.lvScan()->count(), 1);
    QCOMPARE(saves.count(), 5);
    QCOMPARE(settingValue("Scan", "ScanFor"), std::string("*.bak,1,"));
}

void MainWindowWiringTest::folderPickerSetsTheFolderWithoutSaving() {
    start("[Main]\nFirstRun=0\n");
    QSignalSpy saves(window_.get(), &MainWindow::settingsSaved);
    QLineEdit& folder = *window_->optionsPage()->edtFolder();
    const QString design = folder.text();

    files_.nextFolder = QString();
    window_->optionsPage()->cmdBrowse()->click();
    QCOMPARE(folder.text(), design);
    files_.nextFolder = base_.filePath("moved here");
    window_->optionsPage()->cmdBrowse()->click();
    QCOMPARE(folder.text(), base_.filePath("moved here"));
    QCOMPARE(files_.pickerTitles,
             QStringList({"Choose a folder below:", "Choose a folder below:"}));
    QCOMPARE(saves.count(), 0);
}

void MainWindowWiringTest::thresholdRangeCheck_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("problem");
    QTest::addColumn<QString>("information");
    QTest::addColumn<QString>("error");
    const QString message = "Please enter a value between 1 and 9999";
    QTest::newRow("empty") << "" << true << message << "";
    QTest::newRow("0") << "0" << true << message << "";
    QTest::newRow("10000") << "10000" << true << message << "";
    QTest::newRow("1") << "1" << false << ""
                       << "";
    QTest::newRow("9999") << "9999" << false << ""
                          << "";
    QTest::newRow("hex") << "$10" << false << ""
                         << "";
    QTest::newRow("not a number") << "12a" << false << ""
                                  << "'12a' is not a valid integer value.";
}

void MainWindowWiringTest::thresholdRangeCheck() {
    QFETCH(QString, text);
    QFETCH(bool, problem);
    QFETCH(QString, information);
    QFETCH(QString, error);
    start("[Main]\nFirstRun=0\n");
    bool reported = false;
    controller_->guarded([&] { reported = CheckRange(1, 9999, text, desktop_); });
    QCOMPARE(reported, problem);
    QCOMPARE(desktop_.informationTexts.join(""), information);
    QCOMPARE(desktop_.errorTexts.join(""), error);
}

void MainWindowWiringTest::refusedSaveIsShownInTheErrorBox() {
    start("[Main]\nFirstRun=0\n");
    window_->show();
    // A folder where the settings file should be: nothing can replace it.
    QFile::remove(settingsPath());
    QDir().mkpath(settingsPath());
    window_->btnExit()->click();
    QCOMPARE(desktop_.errorTexts, QStringList{"Unable to write to KRVANE.INI."});
    // The handler stopped before hiding; the program goes on.
    QVERIFY(window_->isVisible());
    window_->scanForPage()->cmdAdd()->click();
    QCOMPARE(desktop_.errorTexts.size(), 2);
}

void MainWindowWiringTest::helpKeyOpensOperation() {
    start("[Main]\nFirstRun=0\n");
    window_->showOnTop(true);
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QSignalSpy topics(window_.get(), &MainWindow::helpTopicRequested);
    window_->PageControl1()->setCurrentIndex(3);
    window_->schedulePage()->cbSchedule()->setFocus();
    QTRY_VERIFY(window_->schedulePage()->cbSchedule()->hasFocus());
    QTest::keyRelease(window_->schedulePage()->cbSchedule(), Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(topics.count(), 1);
    QCOMPARE(topics.first().first().toString(), QString("Operation"));
}

QTEST_MAIN(MainWindowWiringTest)
#include "MainWindowWiringTest.moc"
