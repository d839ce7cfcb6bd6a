// The resident program: a first start shows the window and the help and records it, a later
// start shows nothing but the icon; without a notification area the window stands in for the
// icon until one appears; "&Exit", a termination signal and a quit request save and end; the
// tray's items reach the window, the help and the web.
#include <QAction>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <fstream>

#include "app/Application.h"
#include "app/HelpWindow.h"
#include "app/TrayIcon.h"
#include "mainwindow/MainWindow.h"
#include "platform/desktop/RecordingDesktopServices.h"
#include "platform/fake/FakePlatform.h"
#include "settings/SettingsAccess.h"

using namespace korvane;

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstStartShowsTheWindowAndTheHelp_data();
    void firstStartShowsTheWindowAndTheHelp();
    void withoutATrayTheWindowStandsInUntilOneAppears();
    void exitSavesAndEnds();
    void terminationSignalsSaveAndEnd_data();
    void terminationSignalsSaveAndEnd();
    void aQuitRequestSavesAndEnds();
    void trayItemsReachTheWindowAndTheWeb();

private:
    std::unique_ptr<Application> startApplication();
    std::string settingsFile() const { return fake_.folders->settingsFile(); }

    QTemporaryDir base_;
    FakePlatform fake_;
    RecordingDesktopServices desktop_;
    bool trayAvailable_ = true;
};

void ApplicationTest::init() {
    fake_ = makeFakePlatform(base_.filePath("platform").toStdString());
    std::remove(settingsFile().c_str());
    desktop_ = {};
    trayAvailable_ = true;
}

void ApplicationTest::cleanup() {
    std::remove(settingsFile().c_str());
}

std::unique_ptr<Application> ApplicationTest::startApplication() {
    ApplicationOptions options;
    options.trayAvailable = [this] { return trayAvailable_; };
    options.trayCheckMilliseconds = 20;
    auto application = std::make_unique<Application>(fake_.platform, desktop_, options);
    application->start();
    return application;
}

void ApplicationTest::firstStartShowsTheWindowAndTheHelp_data() {
    QTest::addColumn<QString>("stored");  // the [Main] section's FirstRun line, if any
    QTest::addColumn<bool>("first");

    QTest::newRow("no file") << "" << true;
    QTest::newRow("FirstRun=1") << "FirstRun=1" << true;
    QTest::newRow("FirstRun=0") << "FirstRun=0" << false;
    QTest::newRow("FirstRun=2") << "FirstRun=2" << false;
    QTest::newRow("FirstRun=yes") << "FirstRun=yes" << true;  // not a number: the default 1
}

void ApplicationTest::firstStartShowsTheWindowAndTheHelp() {
    QFETCH(QString, stored);
    QFETCH(bool, first);
    if (!stored.isEmpty()) {
        std::ofstream(settingsFile()) << "[Main]\n" << stored.toStdString() << "\n";
    }

    auto application = startApplication();

    QCOMPARE(application->window()->isVisible(), first);
    QCOMPARE(application->help()->isVisible(), first);
    QVERIFY(application->docked());
    QVERIFY(application->tray()->openEnabled());
    const int expectedFirstRun = first ? 0 : QStringView(stored).mid(9).toInt();
    QCOMPARE(SettingsAccess(settingsFile()).readInteger("Main", "FirstRun", 99),
             stored.isEmpty() || first ? 0 : expectedFirstRun);
}

void ApplicationTest::withoutATrayTheWindowStandsInUntilOneAppears() {
    std::ofstream(settingsFile()) << "[Main]\nFirstRun=0\n";
    trayAvailable_ = false;
    auto application = startApplication();
    MainWindow* window = application->window();
    QVERIFY(!application->docked());
    QVERIFY(window->isVisible());
    QVERIFY(window->closeEndsProgram());

    trayAvailable_ = true;
    QTRY_VERIFY(application->docked());
    QVERIFY(!window->closeEndsProgram());
    window->close();
    QVERIFY(window->isHidden());

    // The tray going away brings the hidden window back, so the program stays reachable.
    trayAvailable_ = false;
    QTRY_VERIFY(!application->docked());
    QVERIFY(window->isVisible());
    QSignalSpy saved(window, &MainWindow::settingsSaved);
    window->close();
    QCOMPARE(saved.count(), 1);  // the close button now saves and ends
    QVERIFY(window->isHidden());
}

void ApplicationTest::exitSavesAndEnds() {
    std::ofstream(settingsFile()) << "[Main]\nFirstRun=0\n";
    auto application = startApplication();
    application->tray()->item("Open1")->trigger();
    QVERIFY(application->window()->isVisible());
    application->window()->Timer1()->start();
    QSignalSpy saved(application->window(), &MainWindow::settingsSaved);

    application->tray()->item("mnuClose")->trigger();

    QCOMPARE(saved.count(), 1);
    QVERIFY(application->window()->isHidden());
    QVERIFY(!application->window()->Timer1()->isActive());
    QVERIFY(!application->tray()->TrayIcon1()->isVisible());
    application->tray()->item("mnuClose")->trigger();
    QCOMPARE(saved.count(), 1);  // ended once
}

void ApplicationTest::terminationSignalsSaveAndEnd_data() {
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void ApplicationTest::terminationSignalsSaveAndEnd() {
    QFETCH(int, signalNumber);
    std::ofstream(settingsFile()) << "[Main]\nFirstRun=0\n";
    auto application = startApplication();
    QSignalSpy saved(application->window(), &MainWindow::settingsSaved);
    std::raise(signalNumber);
    QTRY_COMPARE(saved.count(), 1);
    QVERIFY(!application->tray()->TrayIcon1()->isVisible());
}

void ApplicationTest::aQuitRequestSavesAndEnds() {
    std::ofstream(settingsFile()) << "[Main]\nFirstRun=0\n";
    auto application = startApplication();
    QSignalSpy saved(application->window(), &MainWindow::settingsSaved);
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
    QCOMPARE(saved.count(), 1);
}

void ApplicationTest::trayItemsReachTheWindowAndTheWeb() {
    std::ofstream(settingsFile()) << "[Main]\nFirstRun=0\n";
    auto application = startApplication();
    TrayIcon* tray = application->tray();
    QVERIFY(application->window()->isHidden());

    emit tray->doubleClicked();
    QVERIFY(application->window()->isVisible());
    application->window()->hide();
    application->showFromAnotherStart();
    QVERIFY(application->window()->isVisible());

    tray->item("N2")->trigger();
    QVERIFY(application->help()->isVisible());

    for (const char* item : {"M1", "U1", "N6", "N7", "T1"}) {
        tray->item(item)->trigger();
    }
    const QList<QUrl> expected{
        QUrl("http://www.vantrel.example/"), QUrl("http://www.vantrel.example/upgrade/"),
        QUrl("http://www.vantrel.example/products/"), QUrl("http://www.vantrel.example/support/"),
        QUrl("http://www.vantrel.example/support/")};
    QCOMPARE(desktop_.openedUrls, expected);
}

QTEST_MAIN(ApplicationTest)
#include "ApplicationTest.moc"
