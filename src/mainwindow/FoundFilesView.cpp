#include "mainwindow/FoundFilesView.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace korvane {

FoundFilesView::FoundFilesView(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);  // keeps a list of hundreds of thousands of rows smooth
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void FoundFilesView::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button());
    leftPressed_ = event->button() == Qt::LeftButton;
    QTreeView::mousePressEvent(event);
}

void FoundFilesView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && leftPressed_ &&
        viewport()->rect().contains(event->position().toPoint())) {
        emit mouseClicked();
    }
    leftPressed_ = false;
}

}  // namespace korvane
