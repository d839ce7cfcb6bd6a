// The text editor's command line from its desktop entry: the found file's path stays one
// argument whatever its characters, and field codes are put in or dropped.
#include <QTest>

#include "platform/desktop/DesktopExec.h"

using namespace korvane;

class DesktopExecTest : public QObject {
    Q_OBJECT

private slots:
    void commandForFile_data();
    void commandForFile();
    void execIsTakenFromTheMainGroup();
};

void DesktopExecTest::commandForFile_data() {
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("command");  // empty: no command
    const QString path = "/tmp/a b/it's \"odd\" $(x);.tmp";
    QTest::addRow("file code") << "gedit %F" << QStringList{"gedit", path};
    QTest::addRow("no file code: appended") << "mousepad" << QStringList{"mousepad", path};
    QTest::addRow("url code") << "kate --stdin-no %U"
                              << QStringList{"kate", "--stdin-no",
                                             "file:///tmp/a%20b/it's%20%22odd%22%20$(x);.tmp"};
    QTest::addRow("quoted program and other codes dropped")
        << "\"/opt/My Editor/edit\" --new %i %c %f"
        << QStringList{"/opt/My Editor/edit", "--new", path};
    QTest::addRow("escaped quote and per cent")
        << "sh-free \"say \\\"hi\\\"\" 100%% %f"
        << QStringList{"sh-free", "say \"hi\"", "100%", path};
    QTest::addRow("empty") << "" << QStringList{};
    QTest::addRow("unclosed quote") << "\"edit %f" << QStringList{};
}

void DesktopExecTest::commandForFile() {
    QFETCH(QString, exec);
    QFETCH(QStringList, command);
    const auto result = execCommandForFile(exec, "/tmp/a b/it's \"odd\" $(x);.tmp");
    QCOMPARE(result.value_or(QStringList{}), command);
}

void DesktopExecTest::execIsTakenFromTheMainGroup() {
    const QString entry =
        "[Desktop Action new-window]\nExec=other --window\n"
        "[Desktop Entry]\nName=Editor\nExecutable=no\nExec = editor %f\n";
    QCOMPARE(desktopEntryExec(entry), QString("editor %f"));
    QCOMPARE(desktopEntryExec("[Desktop Entry]\nName=Nothing\n"), QString());
}

QTEST_MAIN(DesktopExecTest)
#include "DesktopExecTest.moc"
