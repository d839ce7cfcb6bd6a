// The application's error box adds a full stop when the message's last character sorts after
// "." and leaves every other message as it is.
#include <QTest>

#include "platform/desktop/ErrorBoxText.h"

class ErrorBoxTextTest : public QObject {
    Q_OBJECT

private slots:
    void addsAFullStopAfterCharactersPastIt_data();
    void addsAFullStopAfterCharactersPastIt();
};

void ErrorBoxTextTest::addsAFullStopAfterCharactersPastIt_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letter") << "Unable to write to KRVANE.INI"
                            << "Unable to write to KRVANE.INI.";
    QTest::newRow("digit") << "between 1 and 9999"
                           << "between 1 and 9999.";
    QTest::newRow("slash sorts after") << "/tmp/"
                                       << "/tmp/.";
    QTest::newRow("question mark sorts after") << "Why?"
                                               << "Why?.";
    QTest::newRow("quote sorts before") << "'x' is not a valid time'"
                                        << "'x' is not a valid time'";
    QTest::newRow("full stop itself") << "Done."
                                      << "Done.";
    QTest::newRow("exclamation sorts before") << "Oops!"
                                              << "Oops!";
    QTest::newRow("non-ASCII letter")
        << QString::fromUtf8("caf\xC3\xA9") << QString::fromUtf8("caf\xC3\xA9.");
    QTest::newRow("empty") << ""
                           << "";
}

void ErrorBoxTextTest::addsAFullStopAfterCharactersPastIt() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(korvane::errorBoxText(message), shown);
}

QTEST_MAIN(ErrorBoxTextTest)
#include "ErrorBoxTextTest.moc"
