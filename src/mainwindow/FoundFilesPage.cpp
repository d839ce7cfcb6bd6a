#include "mainwindow/FoundFilesPage.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include "mainwindow/DesignUnits.h"
#include "mainwindow/FoundFilesModel.h"
#include "mainwindow/FoundFilesView.h"
#include "mainwindow/ImageLists.h"

namespace korvane {

FoundFilesPage::FoundFilesPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet1"));

    label3_ = new QLabel(QStringLiteral("Korvane 2.5j"), this);
    label3_->setObjectName(QStringLiteral("Label3"));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(designPixels(this, 19));
    titleFont.setBold(true);
    titleFont.setItalic(true);
    label3_->setFont(titleFont);

    model_ = new FoundFilesModel(ImageLists::imageList3(), this);
    model_->setObjectName(QStringLiteral("foundFiles"));
    lv1_ = new FoundFilesView(this);
    lv1_->setObjectName(QStringLiteral("lv1"));
    lv1_->setModel(model_);
    lv1_->setIconSize(QSize(designPixels(this, 16), designPixels(this, 16)));
    lv1_->header()->resizeSection(0, designPixels(this, 120));
    lv1_->header()->resizeSection(1, designPixels(this, 140));
    lv1_->header()->resizeSection(2, designPixels(this, 62));
    lv1_->setMinimumSize(designPixels(this, 326), designPixels(this, 272));

    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    mnuViewFile_ = popupMenu1_->addAction(tr("&View File"));
    mnuViewFile_->setObjectName(QStringLiteral("mnuViewFile"));
    popupMenu1_->addSeparator()->setObjectName(QStringLiteral("N1"));
    mnuProps_ = popupMenu1_->addAction(tr("&Properties"));
    mnuProps_->setObjectName(QStringLiteral("mnuProps"));
    connect(lv1_, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        popupMenu1_->popup(lv1_->viewport()->mapToGlobal(position));
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label3_);
    layout->addWidget(lv1_, 1);

    applyDesignValues();
}

void FoundFilesPage::applyDesignValues() {
    model_->clear();
    mnuViewFile_->setEnabled(false);
    mnuProps_->setEnabled(false);
}

}  // namespace korvane
