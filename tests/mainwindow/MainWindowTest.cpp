// The main window as designed: every control's caption and start value, the fixed size, the
// close button that hides, F1 seen from any control, the drive rows, the hovering selection of
// the pattern list, and putting the design values back. With KORVANE_SCREENSHOT_DIR set it
// also writes a picture of each page there.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include "mainwindow/FoundFilesModel.h"
#include "mainwindow/FoundFilesPage.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/OptionsPage.h"
#include "mainwindow/ScanForPage.h"
#include "mainwindow/SchedulePage.h"
#include "mainwindow/StatusPanels.h"
#include "mainwindow/UpDown.h"
#include "platform/Platform.h"
#include "platform/desktop/RecordingDesktopServices.h"
#include "platform/linux/LinuxFolders.h"

using namespace korvane;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsHoldTheirDesignValues_data();
    void controlsHoldTheirDesignValues();
    void labelsLeadToTheirControls();
    void statusBarPanels();
    void isAFixedSizeDialogThatHidesOnClose();
    void closeEndsTheProgramWhenAsked();
    void helpKeyIsSeenFromAnyControl();
    void drivesAreListedInOrderUnticked();
    void hoveringSelectsAPattern();
    void designValuesCanBePutBack();
    void writeScreenshots();

private:
    QObject* control(const QString& name) const;

    Platform platform_;
    RecordingDesktopServices desktop_;
    std::unique_ptr<MainWindow> window_;
};

void MainWindowTest::init() {
    platform_.folders = std::make_unique<LinuxFolders>();
    window_ = std::make_unique<MainWindow>(platform_, desktop_);
}

void MainWindowTest::cleanup() {
    window_.reset();
}

QObject* MainWindowTest::control(const QString& name) const {
    if (name == window_->objectName()) {
        return window_.get();
    }
    return window_->findChild<QObject*>(name);
}

void MainWindowTest::controlsHoldTheirDesignValues_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");

    const auto row = [](const char* name, const char* property, const QVariant& value) {
        QTest::addRow("%s.%s", name, property) << QString(name) << QByteArray(property) << value;
    };
    const QVariant noFocus = QVariant::fromValue(Qt::NoFocus);

    row("Form1", "windowTitle", "Vantrel Korvane");
    row("PageControl1", "currentIndex", 0);
    row("Label3", "text", "Korvane 2.5j");
    row("mnuViewFile", "text", "&View File");
    row("mnuViewFile", "enabled", false);
    row("mnuProps", "text", "&Properties");
    row("mnuProps", "enabled", false);
    row("Button2", "text", "Clean All");
    row("cmdClean", "text", "Clean Selected");
    row("Button1", "text", "Scan Now");
    row("btnExit", "text", "Hide");
    for (const char* button :
         {"Button2", "cmdClean", "Button1", "btnExit", "cmdAdd", "cmdRemove"}) {
        row(button, "focusPolicy", noFocus);
    }
    row("Timer1", "interval", 10000);
    row("Timer1", "active", false);

    row("Label11", "text", "&Drive(s) To Scan");
    row("Label1", "text", "&What do you want to do with found files?");
    row("optNormDel", "text", "Permanently Delete Them");
    row("optNormDel", "checked", false);
    row("optRecBin", "text", "Move Them To The Recycle Bin");
    row("optRecBin", "checked", true);
    row("optFolder", "text", "Move Them To This Folder:");
    row("optFolder", "checked", false);
    row("edtFolder", "text", QDir::homePath() + "/Korvane/Cleaned");
    row("edtFolder", "readOnly", true);
    row("cmdBrowse", "text", ". .");

    row("lblFilesToScanFor", "text", "&Files To Scan For");
    row("lvScan", "count", 0);
    row("cmdAdd", "text", "Add New Extension");
    row("edtNewScan", "text", "");
    row("cmdRemove", "text", "Remove Selected");
    row("cbTempFolder", "text", "Empty &Windows \"Temp\" Folder");
    row("cbTempFolder", "checked", true);
    row("cbCacheFolder", "text", "&Empty \"Internet Cache\" Folder");
    row("cbCacheFolder", "checked", true);
    row("cbCookieFolder", "text", "Empty \"Internet &Cookies\" Folder");
    row("cbCookieFolder", "checked", true);

    row("cbSchedule", "text", "&Have Korvane scan your drives automatically...");
    row("cbSchedule", "checked", true);
    row("chkClean", "text", "&Automatically clean all found files after each timed scan");
    row("chkClean", "checked", true);
    row("cbOnlyScan", "text", "&Only scan if drive space is less than");
    row("cbOnlyScan", "checked", false);
    row("meMegs", "text", " 100");
    row("meMegs", "readOnly", true);
    row("Label4", "text", "megabytes");
    row("gbSchedOpts", "title", "Select a schedule");
    row("optMinutes", "text", "&Every...");
    for (const char* kind : {"optMinutes", "optHours", "optDays", "optWeeks", "optMonths"}) {
        row(kind, "checked", false);
    }
    for (const char* kind : {"optHours", "optDays", "optWeeks", "optMonths"}) {
        row(kind, "text", "Every...");
    }
    row("lblMindesc", "text", "Minutes");
    row("Label5", "text", "Hours at");
    row("Label9", "text", "minutes after the hour");
    row("Label6", "text", "Days at the following time:");
    row("Label7", "text", "Weeks starting on ");
    row("Label8", "text", "Months starting on day");
    row("Label10", "text", "of the month");
    row("dt1", "time", QTime(0, 0));
    row("cbDays", "count", 7);
    row("cbDays", "currentIndex", -1);

    // Number fields: text, and their spinners' range, step and position.
    const struct {
        const char* field;
        const char* text;
        const char* spinner;
        int minimum, maximum, step, position;
    } numbers[] = {
        {"meMegs", " 100", "UpDown2", 1, 999, 10, 100},
        {"meMins", "30", "udMinutes", 1, 59, 1, 30},
        {"meHours", " 5", "udHours", 1, 99, 1, 5},
        {"meMinsAfter", "30", "udMinsAfter", 1, 59, 5, 30},
        {"meDays", " 5", "udDays", 1, 99, 1, 5},
        {"meWeeks", " 1", "udWeeks", 1, 99, 1, 1},
        {"meMonths", " 1", "udMonths", 1, 99, 1, 1},
        {"meDayOfTheMonth", " 1", "udDayofthemonth", 1, 31, 1, 1},
    };
    for (const auto& number : numbers) {
        row(number.field, "text", number.text);
        row(number.spinner, "minimum", number.minimum);
        row(number.spinner, "maximum", number.maximum);
        row(number.spinner, "step", number.step);
        row(number.spinner, "position", number.position);
    }
}

void MainWindowTest::controlsHoldTheirDesignValues() {
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);

    QObject* object = control(name);
    QVERIFY2(object, qPrintable("no control named " + name));
    const QVariant actual = object->property(property.constData());
    QVERIFY2(actual.isValid(), qPrintable(name + " has no property " + property));
    QCOMPARE(actual, value);
}

void MainWindowTest::labelsLeadToTheirControls() {
    const struct {
        const char* label;
        const char* buddy;
    } pairs[] = {
        {"Label11", "clbDrives"}, {"Label1", "optNormDel"}, {"lblFilesToScanFor", "lvScan"}};
    for (const auto& pair : pairs) {
        auto* label = window_->findChild<QLabel*>(pair.label);
        QVERIFY(label);
        QCOMPARE(label->buddy(), window_->findChild<QWidget*>(pair.buddy));
    }
    QCOMPARE(window_->PageControl1()->tabText(0), "Main");
    QCOMPARE(window_->PageControl1()->tabText(1), "Options");
    QCOMPARE(window_->PageControl1()->tabText(2), "Scan For...");
    QCOMPARE(window_->PageControl1()->tabText(3), "Schedule");
}

void MainWindowTest::statusBarPanels() {
    StatusPanels* status = window_->stat1();
    QCOMPARE(status->panelText(0), "F1 for Help");
    QCOMPARE(status->panelText(1), "");
    QCOMPARE(status->panelText(2), "");

    const QSize before = window_->size();
    status->setPanelText(2, "Found 123456 files, 98765432k in total, in many folders");
    status->setPanelText(7, "ignored");
    QCOMPARE(status->panelText(2), "Found 123456 files, 98765432k in total, in many folders");
    QCOMPARE(status->panelText(7), "");
    QCOMPARE(window_->size(), before);  // a long text never resizes the window
}

void MainWindowTest::isAFixedSizeDialogThatHidesOnClose() {
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window_->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!window_->windowIcon().isNull());

    QSignalSpy exit(window_.get(), &MainWindow::exitRequested);
    window_->showOnTop(false);
    QVERIFY(window_->isVisible());
    window_->mainPage()->foundFiles()->appendRows(
        {{std::make_shared<const std::string>("/t/"), "a.tmp", 10, 0}});
    QVERIFY(!window_->close());  // the window lives on, hidden, with its contents
    QVERIFY(window_->isHidden());
    QCOMPARE(window_->mainPage()->foundFiles()->rowCount(), 1);
    QCOMPARE(exit.count(), 0);
}

void MainWindowTest::closeEndsTheProgramWhenAsked() {
    QSignalSpy exit(window_.get(), &MainWindow::exitRequested);
    window_->setCloseEndsProgram(true);
    window_->show();
    window_->close();
    QCOMPARE(exit.count(), 1);
    QVERIFY(window_->isVisible());  // the program's end takes it down, not the close
}

void MainWindowTest::helpKeyIsSeenFromAnyControl() {
    window_->showOnTop(true);
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QSignalSpy help(window_.get(), &MainWindow::helpKeyReleased);

    window_->PageControl1()->setCurrentIndex(2);
    QLineEdit* newPattern = window_->scanForPage()->edtNewScan();
    newPattern->setFocus();
    QTRY_VERIFY(newPattern->hasFocus());
    QTest::keyRelease(newPattern, Qt::Key_F1);
    QTest::keyRelease(newPattern, Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyRelease(newPattern, Qt::Key_F2);
    QCOMPARE(help.count(), 2);

    window_->PageControl1()->setCurrentIndex(3);
    window_->schedulePage()->cbDays()->setFocus();
    QTRY_VERIFY(window_->schedulePage()->cbDays()->hasFocus());
    QTest::keyRelease(window_->schedulePage()->cbDays(), Qt::Key_F1, Qt::ControlModifier);
    QCOMPARE(help.count(), 3);
}

void MainWindowTest::drivesAreListedInOrderUnticked() {
    OptionsPage* options = window_->optionsPage();
    QCOMPARE(options->clbDrives()->count(), 0);  // no volumes: an empty drive list
    options->fillDrives({{'a', "a:", "/media/floppy/", DriveType::Removable},
                         {'c', "c: [system]", "/", DriveType::Fixed},
                         {'d', "d: []", "/media/cdrom/", DriveType::CdRom}});
    QListWidget* drives = options->clbDrives();
    const QStringList captions{"a:", "c: [system]", "d: []"};
    const QStringList mounts{"/media/floppy/", "/", "/media/cdrom/"};
    QCOMPARE(drives->count(), 3);
    for (int row = 0; row < 3; ++row) {
        QListWidgetItem* item = drives->item(row);
        QCOMPARE(item->text(), captions[row]);
        QCOMPARE(item->toolTip(), mounts[row]);
        QCOMPARE(item->checkState(), Qt::Unchecked);
        QVERIFY(item->flags() & Qt::ItemIsUserCheckable);
        QVERIFY(!(item->flags() & Qt::ItemIsEditable));
        QVERIFY(!item->icon().isNull());
    }
}

void MainWindowTest::hoveringSelectsAPattern() {
    ScanForPage* page = window_->scanForPage();
    page->addPattern("*.tmp", true);
    page->addPattern("*.bak", false);
    window_->PageControl1()->setCurrentIndex(2);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));

    QListWidget* patterns = page->lvScan();
    QCOMPARE(patterns->item(1)->checkState(), Qt::Unchecked);
    QVERIFY(patterns->item(1)->flags() & Qt::ItemIsEditable);
    QCOMPARE(patterns->selectionMode(), QAbstractItemView::SingleSelection);
    const QRect second = patterns->visualItemRect(patterns->item(1));
    QTest::mouseMove(patterns->viewport(), second.center());
    QTRY_COMPARE(patterns->currentRow(), 1);
    QCOMPARE(patterns->selectedItems().value(0), patterns->item(1));
}

void MainWindowTest::designValuesCanBePutBack() {
    OptionsPage* options = window_->optionsPage();
    SchedulePage* schedule = window_->schedulePage();
    options->fillDrives({{'c', "c: [system]", "/", DriveType::Fixed}});
    options->clbDrives()->item(0)->setCheckState(Qt::Checked);
    options->selectDisposal(OptionsPage::Folder);
    options->edtFolder()->setText("/elsewhere");
    window_->scanForPage()->addPattern("*.tmp", true);
    window_->scanForPage()->cbCookieFolder()->setChecked(false);
    schedule->selectKind(SchedulePage::Months);
    schedule->udHours()->press(+1);
    schedule->cbDays()->setCurrentIndex(3);
    schedule->dt1()->setTime(QTime(22, 30));
    window_->stat1()->setPanelText(1, "Next Scan: soon");
    window_->PageControl1()->setCurrentIndex(3);

    window_->applyDesignValues();

    QCOMPARE(options->clbDrives()->count(), 1);  // the drive rows stay, unticked
    QCOMPARE(options->clbDrives()->item(0)->checkState(), Qt::Unchecked);
    QCOMPARE(options->disposal(), OptionsPage::RecBin);
    QCOMPARE(options->edtFolder()->text(), options->designFolder());
    QCOMPARE(window_->scanForPage()->lvScan()->count(), 0);
    QVERIFY(window_->scanForPage()->cbCookieFolder()->isChecked());
    QCOMPARE(schedule->kind(), SchedulePage::NoKind);
    QCOMPARE(schedule->meHours()->text(), " 5");
    QCOMPARE(schedule->cbDays()->currentIndex(), -1);
    QCOMPARE(schedule->dt1()->time(), QTime(0, 0));
    QCOMPARE(window_->stat1()->panelText(1), "");
    QCOMPARE(window_->PageControl1()->currentIndex(), 0);
}

void MainWindowTest::writeScreenshots() {
    const QString folder = qEnvironmentVariable("KORVANE_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        QSKIP("KORVANE_SCREENSHOT_DIR is not set");
    }
    QVERIFY(QDir().mkpath(folder));
    OptionsPage* options = window_->optionsPage();
    options->fillDrives({{'c', "c: [system]", "/", DriveType::Fixed},
                         {'d', "d: [data]", "/srv/data/", DriveType::Fixed},
                         {'e', "e: [usb stick]", "/media/u/USB/", DriveType::Removable}});
    options->clbDrives()->item(0)->setCheckState(Qt::Checked);
    window_->scanForPage()->addPattern("*.tmp", true);
    window_->scanForPage()->addPattern("*.bak", true);
    window_->scanForPage()->addPattern("~*", false);
    window_->schedulePage()->selectKind(SchedulePage::Days);
    window_->schedulePage()->cbDays()->setCurrentIndex(1);
    auto folderOf = std::make_shared<const std::string>("/home/u/.cache/thumbnails/");
    window_->mainPage()->foundFiles()->appendRows({{folderOf, "a1.png", 14000, 1},
                                                   {folderOf, "b2.png", 9000, 1},
                                                   {folderOf, "notes.bak", 2300, 0},
                                                   {folderOf, "draft.tmp", 700, 2}});
    window_->stat1()->setPanelText(1, "Next Scan: 15/03/2026 14:30:00");
    window_->stat1()->setPanelText(2, "Total Files: 26k");
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    const char* files[] = {"main.png", "options.png", "scan-for.png", "schedule.png"};
    for (int page = 0; page < 4; ++page) {
        window_->PageControl1()->setCurrentIndex(page);
        QCoreApplication::processEvents();
        QVERIFY(window_->grab().save(QDir(folder).filePath(files[page])));
    }
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
