#include "mainwindow/FoundFilesModel.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace korvane {
namespace {

// Beyond this many separate runs, one reset is cheaper than a removal per run.
constexpr std::size_t kMaxRunsRemovedOneByOne = 32;

}  // namespace

FoundFilesModel::FoundFilesModel(QList<QIcon> images, QObject* parent)
    : QAbstractTableModel(parent), images_(std::move(images)) {}

int FoundFilesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FoundFilesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FoundFilesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const FoundFile& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::ToolTipRole && !reasons_.empty() &&
        !reasons_[static_cast<std::size_t>(index.row())].isEmpty()) {
        return reasons_[static_cast<std::size_t>(index.row())];
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
            case NameColumn:
                return QString::fromStdString(row.name);
            case PathColumn:
                return row.directory ? QString::fromStdString(*row.directory) : QString();
            case SizeColumn:
                return QString::fromStdString(row.sizeText());
            default:
                return {};
        }
    }
    if (role == Qt::DecorationRole && index.column() == NameColumn && row.imageIndex >= 0 &&
        row.imageIndex < images_.size()) {
        return images_[row.imageIndex];
    }
    return {};
}

QVariant FoundFilesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
        case NameColumn:
            return tr("Filename");
        case PathColumn:
            return tr("Path");
        case SizeColumn:
            return tr("Size");
        default:
            return {};
    }
}

bool FoundFilesModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count <= 0 || row + count > rowCount()) {
        return false;
    }
    beginRemoveRows({}, row, row + count - 1);
    rows_.erase(rows_.begin() + row, rows_.begin() + row + count);
    if (!reasons_.empty()) {
        reasons_.erase(reasons_.begin() + row, reasons_.begin() + row + count);
    }
    endRemoveRows();
    return true;
}

void FoundFilesModel::appendRows(std::vector<FoundFile> batch) {
    if (batch.empty()) {
        return;
    }
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(batch.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(batch.begin()),
                 std::make_move_iterator(batch.end()));
    if (!reasons_.empty()) {
        reasons_.resize(rows_.size());
    }
    endInsertRows();
}

void FoundFilesModel::removeRowList(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [this](int row) { return row < 0 || row >= rowCount(); });
    if (rows.empty()) {
        return;
    }
    // Runs of consecutive rows, first to last.
    std::vector<std::pair<int, int>> runs;
    for (int row : rows) {
        if (!runs.empty() && runs.back().first + runs.back().second == row) {
            ++runs.back().second;
        } else {
            runs.emplace_back(row, 1);
        }
    }
    if (runs.size() <= kMaxRunsRemovedOneByOne) {
        // From the last run back, so the earlier positions stay valid.
        for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
            removeRows(run->first, run->second);
        }
        return;
    }
    beginResetModel();
    std::vector<bool> doomed(rows_.size(), false);
    for (int row : rows) {
        doomed[static_cast<std::size_t>(row)] = true;
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (!doomed[i]) {
            if (!reasons_.empty()) {
                reasons_[kept] = std::move(reasons_[i]);
            }
            rows_[kept++] = std::move(rows_[i]);
        }
    }
    rows_.resize(kept);
    if (!reasons_.empty()) {
        reasons_.resize(kept);
    }
    endResetModel();
}

void FoundFilesModel::setFailureReason(int row, const QString& reason) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    reasons_.resize(rows_.size());
    reasons_[static_cast<std::size_t>(row)] = reason;
    const QModelIndex first = index(row, 0);
    emit dataChanged(first, index(row, ColumnCount - 1), {Qt::ToolTipRole});
}

QString FoundFilesModel::failureReason(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= reasons_.size()) {
        return {};
    }
    return reasons_[static_cast<std::size_t>(row)];
}

void FoundFilesModel::clear() {
    if (rows_.empty()) {
        return;
    }
    beginResetModel();
    rows_.clear();
    rows_.shrink_to_fit();
    reasons_.clear();
    endResetModel();
}

}  // namespace korvane
