#include "app/TrayIcon.h"

#include <QMenu>

#include "app/WebSite.h"
#include "mainwindow/ImageLists.h"

namespace korvane {

TrayIcon::TrayIcon(QObject* parent)
    : QObject(parent), menu_(std::make_unique<QMenu>()), icon_(new QSystemTrayIcon(this)) {
    setObjectName(QStringLiteral("Form2"));
    menu_->setObjectName(QStringLiteral("PopupMenu1"));

    open1_ = addItem(menu_.get(), QStringLiteral("Open1"), tr("&Open"));
    open1_->setEnabled(false);
    connect(open1_, &QAction::triggered, this, &TrayIcon::openRequested);
    menu_->addSeparator()->setObjectName(QStringLiteral("N5"));

    QMenu* help = menu_->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help1Menu"));
    help->menuAction()->setObjectName(QStringLiteral("Help1"));
    connect(addItem(help, QStringLiteral("G1"), tr("&Getting Started")), &QAction::triggered, this,
            [this] { emit helpTopicRequested(QStringLiteral("Getting_Started")); });
    connect(addItem(help, QStringLiteral("N2"), tr("&How to use Korvane")), &QAction::triggered,
            this, [this] { emit helpTopicRequested(QStringLiteral("Operation")); });
    connect(addItem(help, QStringLiteral("T1"), tr("&Technical Support")), &QAction::triggered,
            this, [this] { emit webPageRequested(QLatin1String(kSupportPage)); });

    QMenu* web = menu_->addMenu(tr("&Vantrel on the Web..."));
    web->setObjectName(QStringLiteral("VantrelontheWeb1Menu"));
    web->menuAction()->setObjectName(QStringLiteral("VantrelontheWeb1"));
    const struct {
        const char* name;
        QString caption;
        const char* path;
    } webItems[] = {
        {"M1", mainSiteCaption(), kHomePage},
        {"U1", tr("&Upgrade Korvane"), kUpgradePage},
        {"N6", tr("&Other Products"), kProductsPage},
        {"N7", tr("&Technical Support"), kSupportPage},
    };
    for (const auto& entry : webItems) {
        const QString path = QLatin1String(entry.path);
        connect(addItem(web, QLatin1String(entry.name), entry.caption), &QAction::triggered, this,
                [this, path] { emit webPageRequested(path); });
    }

    menu_->addSeparator()->setObjectName(QStringLiteral("N1"));
    connect(addItem(menu_.get(), QStringLiteral("mnuClose"), tr("&Exit")), &QAction::triggered,
            this, &TrayIcon::exitRequested);

    icon_->setObjectName(QStringLiteral("TrayIcon1"));
    icon_->setIcon(ImageLists::applicationIcon());
    icon_->setToolTip(QString::fromLatin1(kToolTip));
    icon_->setContextMenu(menu_.get());
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick) {
                    emit doubleClicked();
                }
            });
}

TrayIcon::~TrayIcon() {
    icon_->hide();
}

QAction* TrayIcon::addItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction* TrayIcon::item(const QString& name) const {
    return menu_->findChild<QAction*>(name);
}

void TrayIcon::setOpenEnabled(bool enabled) {
    open1_->setEnabled(enabled);
}

bool TrayIcon::openEnabled() const {
    return open1_->isEnabled();
}

void TrayIcon::setVisible(bool visible) {
    icon_->setVisible(visible);
}

}  // namespace korvane
