#include "mainwindow/OptionsPage.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

#include "mainwindow/DesignUnits.h"
#include "mainwindow/ImageLists.h"

namespace korvane {

OptionsPage::OptionsPage(QString designFolder, QWidget* parent)
    : QWidget(parent), designFolder_(std::move(designFolder)) {
    setObjectName(QStringLiteral("TabSheet2"));

    label11_ = new QLabel(tr("&Drive(s) To Scan"), this);
    label11_->setObjectName(QStringLiteral("Label11"));
    makeBold(label11_);

    clbDrives_ = new QListWidget(this);
    clbDrives_->setObjectName(QStringLiteral("clbDrives"));
    // Rows flow top to bottom and then into the next column, with no header.
    clbDrives_->setViewMode(QListView::ListMode);
    clbDrives_->setFlow(QListView::TopToBottom);
    clbDrives_->setWrapping(true);
    clbDrives_->setResizeMode(QListView::Adjust);
    clbDrives_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    clbDrives_->setSelectionMode(QAbstractItemView::SingleSelection);
    clbDrives_->setIconSize(QSize(designPixels(this, 16), designPixels(this, 16)));
    clbDrives_->setFixedHeight(designPixels(this, 115));
    label11_->setBuddy(clbDrives_);

    label1_ = new QLabel(tr("&What do you want to do with found files?"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    makeBold(label1_);

    optNormDel_ = new QRadioButton(tr("Permanently Delete Them"), this);
    optNormDel_->setObjectName(QStringLiteral("optNormDel"));
    optRecBin_ = new QRadioButton(tr("Move Them To The Recycle Bin"), this);
    optRecBin_->setObjectName(QStringLiteral("optRecBin"));
    optFolder_ = new QRadioButton(tr("Move Them To This Folder:"), this);
    optFolder_->setObjectName(QStringLiteral("optFolder"));
    label1_->setBuddy(optNormDel_);
    disposalGroup_ = new QButtonGroup(this);
    disposalGroup_->setObjectName(QStringLiteral("disposalGroup"));
    disposalGroup_->addButton(optNormDel_, NormDel);
    disposalGroup_->addButton(optRecBin_, RecBin);
    disposalGroup_->addButton(optFolder_, Folder);

    edtFolder_ = new QLineEdit(this);
    edtFolder_->setObjectName(QStringLiteral("edtFolder"));
    edtFolder_->setReadOnly(true);
    QPalette grey = edtFolder_->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    edtFolder_->setPalette(grey);

    cmdBrowse_ = new QPushButton(QStringLiteral(". ."), this);
    cmdBrowse_->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse_->setAutoDefault(false);
    cmdBrowse_->setFixedWidth(
        std::max(designPixels(this, 23), cmdBrowse_->fontMetrics().horizontalAdvance(". .") + 12));

    auto* layout = new QGridLayout(this);
    layout->addWidget(label11_, 0, 0, 1, 3);
    layout->addWidget(clbDrives_, 1, 0, 1, 3);
    layout->setRowMinimumHeight(2, designPixels(this, 18));
    layout->addWidget(label1_, 3, 0, 1, 3);
    layout->addWidget(optNormDel_, 4, 0, 1, 3);
    layout->addWidget(optRecBin_, 5, 0, 1, 3);
    layout->addWidget(optFolder_, 6, 0);
    layout->addWidget(edtFolder_, 6, 1);
    layout->addWidget(cmdBrowse_, 6, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(7, 1);

    fillDrives({});
    applyDesignValues();
}

void OptionsPage::fillDrives(const std::vector<Drive>& drives) {
    clbDrives_->clear();
    const QIcon hardDisk = ImageLists::imageList1().value(0);
    for (const Drive& drive : drives) {
        auto* row = new QListWidgetItem(hardDisk, QString::fromStdString(drive.caption));
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        row->setCheckState(Qt::Unchecked);
        row->setToolTip(QString::fromStdString(drive.mountPoint));
        clbDrives_->addItem(row);
    }
}

OptionsPage::Disposal OptionsPage::disposal() const {
    const int id = disposalGroup_->checkedId();
    return id == -1 ? NoDisposal : static_cast<Disposal>(id);
}

void OptionsPage::selectDisposal(int option) {
    if (QAbstractButton* button = disposalGroup_->button(option)) {
        button->setChecked(true);
    }
}

void OptionsPage::applyDesignValues() {
    for (int row = 0; row < clbDrives_->count(); ++row) {
        clbDrives_->item(row)->setCheckState(Qt::Unchecked);
    }
    optRecBin_->setChecked(true);
    edtFolder_->setText(designFolder());
}

}  // namespace korvane
