// The rows of the found-files list: one FoundFile per row, shown as its name, its folder and
// its size in kilobytes, with the image of the disposal option it was found under. Built for
// lists of hundreds of thousands of rows: rows come in batches and leave in runs.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <vector>

#include "scan/FoundFile.h"

namespace korvane {

class FoundFilesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn = 0, PathColumn = 1, SizeColumn = 2, ColumnCount = 3 };

    /// `images` are the pictures by image index (the found-files image list).
    explicit FoundFilesModel(QList<QIcon> images, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

    /// Appends the batch after the last row.
    void appendRows(std::vector<FoundFile> batch);
    /// Removes the rows at the given positions (any order, duplicates allowed).
    void removeRowList(std::vector<int> rows);
    /// Removes every row.
    void clear();

    /// Why the row's file could not be disposed of; shown as the row's tooltip.
    void setFailureReason(int row, const QString& reason);
    QString failureReason(int row) const;

    const FoundFile& file(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    const std::vector<FoundFile>& files() const { return rows_; }

private:
    std::vector<FoundFile> rows_;
    /// Parallel to rows_ once a row has a failure reason, else empty.
    std::vector<QString> reasons_;
    QList<QIcon> images_;
};

}  // namespace korvane
