// The number field with its spinner: the order of the changing and click notifications, the
// ends of the range, the step, and the field's text as the state the spinner reads back.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "mainwindow/NumberField.h"

using korvane::NumberField;
using korvane::UpDownDesign;

class NumberFieldTest : public QObject {
    Q_OBJECT

private slots:
    void pressesMoveWithinTheRange_data();
    void pressesMoveWithinTheRange();
    void changingComesBeforeTheMoveAndClickAfter();
    void theSpinnerReadsATypedNumberBeforeMoving();
    void onlyDigitsCanBeTyped();
    void arrowKeysWorkTheSpinnerInAReadOnlyField();
    void releasingTheMouseOverAnArrowIsAnnounced();
    void designValuesComeBack();
};

void NumberFieldTest::pressesMoveWithinTheRange_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("clicks");

    QTest::newRow("up by one") << 1 << 5 << +1 << " 6" << 1;
    QTest::newRow("down by one") << 1 << 5 << -1 << " 4" << 1;
    QTest::newRow("top end does not move") << 1 << 99 << +1 << "99" << 0;
    QTest::newRow("bottom end does not wrap") << 1 << 1 << -1 << " 1" << 0;
    QTest::newRow("step stops at the top") << 10 << 95 << +1 << "99" << 1;
    QTest::newRow("step stops at the bottom") << 10 << 5 << -1 << " 1" << 1;
    QTest::newRow("out of range comes back in") << 1 << 150 << +1 << "99" << 1;
}

void NumberFieldTest::pressesMoveWithinTheRange() {
    QFETCH(int, step);
    QFETCH(int, start);
    QFETCH(int, direction);
    QFETCH(QString, text);
    QFETCH(int, clicks);

    NumberField number("meX", "udX", {.minimum = 1, .maximum = 99, .step = step, .position = 5},
                       " 5");
    number.spinner()->setPosition(start);
    QSignalSpy changing(number.spinner(), &korvane::UpDown::changing);
    QSignalSpy clicked(number.spinner(), &korvane::UpDown::clicked);

    number.spinner()->press(direction);

    QCOMPARE(number.text(), text);
    QCOMPARE(changing.count(), 1);  // also at an end of the range, where nothing moves
    QCOMPARE(clicked.count(), clicks);
}

void NumberFieldTest::changingComesBeforeTheMoveAndClickAfter() {
    NumberField number("meHours", "udHours", {1, 99, 1, 5, 2}, " 5");
    QStringList seen;
    connect(number.spinner(), &korvane::UpDown::changing, this,
            [&] { seen << "changing:" + number.text(); });
    connect(number.spinner(), &korvane::UpDown::clicked, this,
            [&] { seen << "click:" + number.text(); });

    QTest::mouseClick(number.spinner()->upButton(), Qt::LeftButton);

    QCOMPARE(seen, QStringList({"changing: 5", "click: 6"}));
}

void NumberFieldTest::theSpinnerReadsATypedNumberBeforeMoving() {
    NumberField number("meDays", "udDays", {1, 99, 1, 5, 2}, " 5");
    number.field()->setText("42");
    number.spinner()->press(+1);
    QCOMPARE(number.text(), "43");
    QCOMPARE(number.spinner()->position(), 43);

    // A field emptied by hand leaves the spinner where it was.
    number.field()->clear();
    number.spinner()->press(-1);
    QCOMPARE(number.text(), "42");
}

void NumberFieldTest::onlyDigitsCanBeTyped() {
    NumberField number("meMins", "udMinutes", {1, 59, 1, 30, 2}, "30");
    number.field()->clear();
    QTest::keyClicks(number.field(), "a1-2x3");
    QCOMPARE(number.text(), "12");  // letters, signs and a third digit are refused
}

void NumberFieldTest::arrowKeysWorkTheSpinnerInAReadOnlyField() {
    NumberField megs("meMegs", "UpDown2", {1, 999, 10, 100, 4}, " 100");
    megs.field()->setReadOnly(true);
    QTest::keyClicks(megs.field(), "7");
    QCOMPARE(megs.text(), " 100");

    QSignalSpy clicked(megs.spinner(), &korvane::UpDown::clicked);
    QTest::keyClick(megs.field(), Qt::Key_Up);
    QCOMPARE(megs.text(), " 110");
    QTest::keyClick(megs.field(), Qt::Key_Down);
    QTest::keyClick(megs.field(), Qt::Key_Down);
    QCOMPARE(megs.text(), "  90");
    QCOMPARE(clicked.count(), 3);
}

void NumberFieldTest::releasingTheMouseOverAnArrowIsAnnounced() {
    NumberField number("meWeeks", "udWeeks", {1, 99, 1, 1, 2}, " 1");
    QStringList seen;
    connect(number.spinner(), &korvane::UpDown::clicked, this, [&] { seen << "click"; });
    connect(number.spinner(), &korvane::UpDown::mouseReleased, this, [&] { seen << "up"; });

    QTest::mouseClick(number.spinner()->upButton(), Qt::LeftButton);
    QTRY_COMPARE(seen, QStringList({"click", "up"}));
}

void NumberFieldTest::designValuesComeBack() {
    NumberField number("meMonths", "udMonths", {1, 99, 1, 1, 2}, " 1");
    number.spinner()->setPosition(40);
    number.field()->setText("7");
    number.applyDesignValues();
    QCOMPARE(number.text(), " 1");
    QCOMPARE(number.spinner()->position(), 1);
}

QTEST_MAIN(NumberFieldTest)
#include "NumberFieldTest.moc"
