// One program per user and settings file: the first start listens, a second asks it to show
// its window, another settings file runs beside it, and a killed program's lock and socket are
// taken over.
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/SingleInstance.h"

using korvane::SingleInstance;
using Start = korvane::SingleInstance::Start;

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void aSecondStartAsksTheFirstToShowItself();
    void anotherSettingsFileRunsBeside();
    void aKilledProgramsLockAndSocketAreTakenOver();
    void theFirstCanStartAgainAfterItEnded();

private:
    QTemporaryDir runtime_;
};

void SingleInstanceTest::aSecondStartAsksTheFirstToShowItself() {
    SingleInstance first("/home/u/.config/korvane/KRVANE.INI", runtime_.path());
    QCOMPARE(first.start(), Start::First);
    QSignalSpy shown(&first, &SingleInstance::showRequested);

    SingleInstance second("/home/u/.config/korvane/../korvane/KRVANE.INI", runtime_.path());
    QCOMPARE(second.start(), Start::Second);
    QTRY_COMPARE(shown.count(), 1);
}

void SingleInstanceTest::anotherSettingsFileRunsBeside() {
    SingleInstance first("/a/KRVANE.INI", runtime_.path());
    SingleInstance other("/b/KRVANE.INI", runtime_.path());
    QCOMPARE(first.start(), Start::First);
    QCOMPARE(other.start(), Start::First);
    QVERIFY(first.socketPath() != other.socketPath());
}

void SingleInstanceTest::aKilledProgramsLockAndSocketAreTakenOver() {
    SingleInstance program("/c/KRVANE.INI", runtime_.path());
    // A process that has ended left its lock, and a socket file nobody listens on.
    QProcess gone;
    gone.start("true");
    QVERIFY(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    QVERIFY(gone.waitForFinished());
    QByteArray lockText;
    {
        QLockFile model(program.lockPath());
        QVERIFY(model.tryLock(0));
        QFile written(program.lockPath());
        QVERIFY(written.open(QIODevice::ReadOnly));
        lockText = written.readAll();
    }
    lockText.replace(0, lockText.indexOf('\n'), QByteArray::number(deadPid));
    QFile lock(program.lockPath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(lockText);
    lock.close();
    QFile socket(program.socketPath());
    QVERIFY(socket.open(QIODevice::WriteOnly));
    socket.close();

    QCOMPARE(program.start(), Start::First);
    SingleInstance second("/c/KRVANE.INI", runtime_.path());
    QSignalSpy shown(&program, &SingleInstance::showRequested);
    QCOMPARE(second.start(), Start::Second);
    QTRY_COMPARE(shown.count(), 1);
}

void SingleInstanceTest::theFirstCanStartAgainAfterItEnded() {
    {
        SingleInstance first("/d/KRVANE.INI", runtime_.path());
        QCOMPARE(first.start(), Start::First);
    }
    SingleInstance again("/d/KRVANE.INI", runtime_.path());
    QCOMPARE(again.start(), Start::First);
}

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
