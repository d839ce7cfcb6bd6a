// The tray menu item by item (names, captions, separators, submenus, enabled states), the
// icon's tooltip, and what each item asks for.
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "app/TrayIcon.h"

using korvane::TrayIcon;

namespace {

// One line per menu entry: its name, its caption ("-" for a separator), indented by depth.
QStringList describe(const QMenu* menu, const QString& indent = {}) {
    QStringList lines;
    for (const QAction* action : menu->actions()) {
        const QString caption = action->isSeparator() ? QStringLiteral("-") : action->text();
        lines << QStringLiteral("%1%2 %3%4")
                     .arg(indent, action->objectName(), caption,
                          action->isEnabled() ? QString() : QStringLiteral(" (disabled)"));
        if (action->menu()) {
            lines << describe(action->menu(), indent + QStringLiteral("  "));
        }
    }
    return lines;
}

}  // namespace

class TrayIconTest : public QObject {
    Q_OBJECT

private slots:
    void menuHasItsItemsInOrder();
    void openIsEnabledOnceStartUpIsDone();
    void itemsAskForTheirTopicsAndPages_data();
    void itemsAskForTheirTopicsAndPages();
};

void TrayIconTest::menuHasItsItemsInOrder() {
    TrayIcon tray;
    QCOMPARE(tray.TrayIcon1()->toolTip(), "Vantrel Korvane - Right Click for Options");
    QVERIFY(!tray.TrayIcon1()->icon().isNull());
    QCOMPARE(tray.TrayIcon1()->contextMenu(), tray.PopupMenu1());
    const QStringList expected{
        "Open1 &Open (disabled)",
        "N5 -",
        "Help1 &Help",
        "  G1 &Getting Started",
        "  N2 &How to use Korvane",
        "  T1 &Technical Support",
        "VantrelontheWeb1 &Vantrel on the Web...",
        "  M1 &Main Site (www.vantrel.example)",
        "  U1 &Upgrade Korvane",
        "  N6 &Other Products",
        "  N7 &Technical Support",
        "N1 -",
        "mnuClose &Exit",
    };
    QCOMPARE(describe(tray.PopupMenu1()), expected);
}

void TrayIconTest::openIsEnabledOnceStartUpIsDone() {
    TrayIcon tray;
    QSignalSpy open(&tray, &TrayIcon::openRequested);
    tray.item("Open1")->trigger();  // a disabled item does nothing
    QCOMPARE(open.count(), 0);
    tray.setOpenEnabled(true);
    QVERIFY(tray.openEnabled());
    tray.item("Open1")->trigger();
    QCOMPARE(open.count(), 1);
}

void TrayIconTest::itemsAskForTheirTopicsAndPages_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("page");

    QTest::newRow("G1") << "G1"
                        << "Getting_Started"
                        << "";
    QTest::newRow("N2") << "N2"
                        << "Operation"
                        << "";
    QTest::newRow("T1") << "T1"
                        << ""
                        << "/support/";
    QTest::newRow("M1") << "M1"
                        << ""
                        << "/";
    QTest::newRow("U1") << "U1"
                        << ""
                        << "/upgrade/";
    QTest::newRow("N6") << "N6"
                        << ""
                        << "/products/";
    QTest::newRow("N7") << "N7"
                        << ""
                        << "/support/";
}

void TrayIconTest::itemsAskForTheirTopicsAndPages() {
    QFETCH(QString, item);
    QFETCH(QString, topic);
    QFETCH(QString, page);

    TrayIcon tray;
    QSignalSpy topics(&tray, &TrayIcon::helpTopicRequested);
    QSignalSpy pages(&tray, &TrayIcon::webPageRequested);
    QSignalSpy exits(&tray, &TrayIcon::exitRequested);
    tray.item(item)->trigger();
    QCOMPARE(topics.count(), topic.isEmpty() ? 0 : 1);
    QCOMPARE(pages.count(), page.isEmpty() ? 0 : 1);
    if (!topic.isEmpty()) {
        QCOMPARE(topics.at(0).at(0).toString(), topic);
    }
    if (!page.isEmpty()) {
        QCOMPARE(pages.at(0).at(0).toString(), page);
    }
    QCOMPARE(exits.count(), 0);
}

QTEST_MAIN(TrayIconTest)
#include "TrayIconTest.moc"
