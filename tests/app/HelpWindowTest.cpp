// The help window finds the help file beside the executable whatever the current folder, opens
// it at a topic, says so when the file is missing, and sends web links to the desktop services.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "app/HelpWindow.h"
#include "platform/desktop/RecordingDesktopServices.h"

using korvane::HelpWindow;

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void opensTheFileBesideTheProgramAtTheTopic_data();
    void opensTheFileBesideTheProgramAtTheTopic();
    void webLinksGoToTheBrowser();
    void aMissingFileIsSaid();

private:
    QTemporaryDir elsewhere_;
    QString savedDirectory_;
};

void HelpWindowTest::initTestCase() {
    // The help file is installed beside the program; here the test binary stands in for it.
    QFile::remove(HelpWindow::helpFilePath());
    QVERIFY(QFile::copy(KORVANE_SOURCE_DIR "/docs/help/krvane.html", HelpWindow::helpFilePath()));
    savedDirectory_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere_.path()));
}

void HelpWindowTest::cleanupTestCase() {
    QDir::setCurrent(savedDirectory_);
    QFile::remove(HelpWindow::helpFilePath());
}

void HelpWindowTest::opensTheFileBesideTheProgramAtTheTopic_data() {
    QTest::addColumn<QString>("topic");
    QTest::newRow("Getting_Started") << "Getting_Started";
    QTest::newRow("Operation") << "Operation";
}

void HelpWindowTest::opensTheFileBesideTheProgramAtTheTopic() {
    QFETCH(QString, topic);
    korvane::RecordingDesktopServices desktop;
    HelpWindow help(desktop);
    help.resize(400, 200);
    help.showTopic(topic);
    QVERIFY(help.isVisible());
    QCOMPARE(help.browser()->source(),
             QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/krvane.html"));
    QVERIFY(help.browser()->toPlainText().contains("Korvane"));

    // The topic's heading is at the top of the view.
    const QString title = topic == "Operation" ? "How to use Korvane" : "Getting Started";
    QTextBlock heading = help.browser()->document()->begin();
    while (heading.isValid() &&
           !(heading.blockFormat().headingLevel() > 0 && heading.text() == title)) {
        heading = heading.next();
    }
    QVERIFY(heading.isValid());
    QCoreApplication::processEvents();
    const int top = help.browser()->cursorRect(QTextCursor(heading)).top();
    QVERIFY2(top >= 0 && top < help.browser()->viewport()->height() / 2,
             qPrintable(QString("heading at %1").arg(top)));
    if (topic == "Operation") {
        QVERIFY(help.browser()->verticalScrollBar()->value() > 0);
    }
}

void HelpWindowTest::webLinksGoToTheBrowser() {
    korvane::RecordingDesktopServices desktop;
    HelpWindow help(desktop);
    help.showTopic("Getting_Started");
    const QUrl support("http://www.vantrel.example/support/");
    emit help.browser()->anchorClicked(support);
    QCOMPARE(desktop.openedUrls, QList<QUrl>{support});
    // A link inside the file stays in the window.
    emit help.browser()->anchorClicked(QUrl("#Operation"));
    QCOMPARE(desktop.openedUrls.size(), 1);
    QCOMPARE(help.browser()->source().adjusted(QUrl::RemoveFragment),
             QUrl::fromLocalFile(HelpWindow::helpFilePath()));
}

void HelpWindowTest::aMissingFileIsSaid() {
    QVERIFY(QFile::remove(HelpWindow::helpFilePath()));
    korvane::RecordingDesktopServices desktop;
    HelpWindow help(desktop);
    help.showTopic("Operation");
    QVERIFY(help.isVisible());
    QVERIFY(help.browser()->toPlainText().contains("could not be found"));
    QVERIFY(help.browser()->toPlainText().contains(HelpWindow::helpFilePath()));
}

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
