// The found-files rows: what each column shows, appending in batches, and removing scattered
// rows both run by run and in one reset.
#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include "mainwindow/FoundFilesModel.h"
#include "mainwindow/ImageLists.h"

using korvane::FoundFile;
using korvane::FoundFilesModel;

namespace {

std::vector<FoundFile> numberedRows(int count) {
    auto folder = std::make_shared<const std::string>("/tmp/junk/");
    std::vector<FoundFile> rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back({folder, "f" + std::to_string(i), static_cast<std::uint64_t>(i), 0});
    }
    return rows;
}

QStringList names(const FoundFilesModel& model) {
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row) {
        result << model.index(row, 0).data().toString();
    }
    return result;
}

}  // namespace

class FoundFilesModelTest : public QObject {
    Q_OBJECT

private slots:
    void columnsShowNameFolderAndKilobytes();
    void removesScatteredRows_data();
    void removesScatteredRows();
};

void FoundFilesModelTest::columnsShowNameFolderAndKilobytes() {
    FoundFilesModel model(korvane::ImageLists::imageList3());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    auto folder = std::make_shared<const std::string>("/home/u/t\xC3\xA9mp/");
    model.appendRows({{folder, "~DF1234.TMP", 1536, 2}, {folder, "a.bak", 100, 7}});

    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), "Filename");
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), "Path");
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), "Size");
    QCOMPARE(model.index(0, 0).data().toString(), "~DF1234.TMP");
    QCOMPARE(model.index(0, 1).data().toString(), QString::fromUtf8("/home/u/t\xC3\xA9mp/"));
    QCOMPARE(model.index(0, 2).data().toString(), "2k");  // 1.5k goes to the even neighbour
    QVERIFY(!model.index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    // An image index the list does not have shows no picture rather than failing.
    QVERIFY(!model.index(1, 0).data(Qt::DecorationRole).isValid());
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
}

void FoundFilesModelTest::removesScatteredRows_data() {
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QList<int>>("remove");
    QTest::addColumn<QStringList>("left");

    QTest::newRow("runs, any order, duplicates and strays")
        << 6 << QList<int>{4, 0, 1, 4, -1, 99} << QStringList{"f2", "f3", "f5"};
    QTest::newRow("everything") << 3 << QList<int>{2, 1, 0} << QStringList{};
    QTest::newRow("nothing") << 2 << QList<int>{} << QStringList{"f0", "f1"};

    // Every other row of a long list is more runs than are worth removing one by one.
    QList<int> everyOther;
    QStringList odd;
    for (int i = 0; i < 200; ++i) {
        if (i % 2 == 0) {
            everyOther << i;
        } else {
            odd << QString("f%1").arg(i);
        }
    }
    QTest::newRow("many runs") << 200 << everyOther << odd;
}

void FoundFilesModelTest::removesScatteredRows() {
    QFETCH(int, rowCount);
    QFETCH(QList<int>, remove);
    QFETCH(QStringList, left);

    FoundFilesModel model({});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.appendRows(numberedRows(rowCount));
    model.removeRowList(std::vector<int>(remove.begin(), remove.end()));
    QCOMPARE(names(model), left);
}

QTEST_MAIN(FoundFilesModelTest)
#include "FoundFilesModelTest.moc"
