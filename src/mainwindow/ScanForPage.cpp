#include "mainwindow/ScanForPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "mainwindow/DesignUnits.h"
#include "mainwindow/ImageLists.h"
#include "mainwindow/RoundedButton.h"

namespace korvane {

ScanForPage::ScanForPage(QWidget* parent)
    : QWidget(parent), patternImage_(ImageLists::imageList2().value(0)) {
    setObjectName(QStringLiteral("TabSheet3"));

    lblFilesToScanFor_ = new QLabel(tr("&Files To Scan For"), this);
    lblFilesToScanFor_->setObjectName(QStringLiteral("lblFilesToScanFor"));
    makeBold(lblFilesToScanFor_);

    lvScan_ = new QListWidget(this);
    lvScan_->setObjectName(QStringLiteral("lvScan"));
    lvScan_->setSelectionMode(QAbstractItemView::SingleSelection);
    lvScan_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::SelectedClicked);
    lvScan_->setIconSize(QSize(designPixels(this, 16), designPixels(this, 16)));
    lvScan_->setMouseTracking(true);
    // Hot-track selection: the row under the mouse becomes the selected row.
    connect(lvScan_, &QListWidget::itemEntered, lvScan_,
            [this](QListWidgetItem* row) { lvScan_->setCurrentItem(row); });
    lvScan_->setFixedSize(designPixels(this, 193), designPixels(this, 198));
    lblFilesToScanFor_->setBuddy(lvScan_);

    cmdAdd_ = new RoundedButton(tr("Add New Extension"), this);
    cmdAdd_->setObjectName(QStringLiteral("cmdAdd"));
    edtNewScan_ = new QLineEdit(this);
    edtNewScan_->setObjectName(QStringLiteral("edtNewScan"));
    cmdRemove_ = new RoundedButton(tr("Remove Selected"), this);
    cmdRemove_->setObjectName(QStringLiteral("cmdRemove"));

    cbTempFolder_ =
        namedCheckBox(tr("Empty &Windows \"Temp\" Folder"), QStringLiteral("cbTempFolder"), this);
    cbCacheFolder_ = namedCheckBox(tr("&Empty \"Internet Cache\" Folder"),
                                   QStringLiteral("cbCacheFolder"), this);
    cbCookieFolder_ = namedCheckBox(tr("Empty \"Internet &Cookies\" Folder"),
                                    QStringLiteral("cbCookieFolder"), this);

    auto* commands = new QVBoxLayout;
    commands->addWidget(cmdAdd_);
    commands->addWidget(edtNewScan_);
    commands->addSpacing(designPixels(this, 20));
    commands->addWidget(cmdRemove_);
    commands->addStretch(1);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblFilesToScanFor_, 0, 0, 1, 2);
    layout->addWidget(lvScan_, 1, 0);
    layout->addLayout(commands, 1, 1);
    layout->addWidget(cbTempFolder_, 2, 0, 1, 2);
    layout->addWidget(cbCacheFolder_, 3, 0, 1, 2);
    layout->addWidget(cbCookieFolder_, 4, 0, 1, 2);
    layout->setRowStretch(5, 1);

    applyDesignValues();
}

QListWidgetItem* ScanForPage::addPattern(const QString& pattern, bool ticked) {
    auto* row = new QListWidgetItem(patternImage_, pattern);
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                  Qt::ItemIsEditable);
    row->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    lvScan_->addItem(row);
    return row;
}

void ScanForPage::applyDesignValues() {
    lvScan_->clear();
    edtNewScan_->clear();
    cbTempFolder_->setChecked(true);
    cbCacheFolder_->setChecked(true);
    cbCookieFolder_->setChecked(true);
}

}  // namespace korvane
