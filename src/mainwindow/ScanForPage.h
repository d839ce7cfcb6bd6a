// The page "Scan For...": the file patterns to search for and the special folders to empty.
#pragma once

#include <QIcon>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace korvane {

class RoundedButton;

class ScanForPage : public QWidget {
    Q_OBJECT

public:
    explicit ScanForPage(QWidget* parent = nullptr);

    QLabel* lblFilesToScanFor() const { return lblFilesToScanFor_; }
    /// The pattern list: a check box per row, hover selects, one row at a time, editable.
    QListWidget* lvScan() const { return lvScan_; }
    RoundedButton* cmdAdd() const { return cmdAdd_; }
    /// The pattern to add.
    QLineEdit* edtNewScan() const { return edtNewScan_; }
    RoundedButton* cmdRemove() const { return cmdRemove_; }
    QCheckBox* cbTempFolder() const { return cbTempFolder_; }
    QCheckBox* cbCacheFolder() const { return cbCacheFolder_; }
    QCheckBox* cbCookieFolder() const { return cbCookieFolder_; }

    /// Appends a pattern row with the magnifying-glass image, its caption exactly as given.
    QListWidgetItem* addPattern(const QString& pattern, bool ticked);
    /// Empties the pattern list and the new-pattern box and ticks the three folder boxes.
    void applyDesignValues();

private:
    QLabel* lblFilesToScanFor_;
    QListWidget* lvScan_;
    RoundedButton* cmdAdd_;
    QLineEdit* edtNewScan_;
    RoundedButton* cmdRemove_;
    QCheckBox* cbTempFolder_;
    QCheckBox* cbCacheFolder_;
    QCheckBox* cbCookieFolder_;
    QIcon patternImage_;
};

}  // namespace korvane
