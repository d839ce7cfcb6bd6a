// The page "Options": the drives to scan and what to do with found files.
#pragma once

#include <QWidget>
#include <vector>

#include "platform/Volumes.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace korvane {

class OptionsPage : public QWidget {
    Q_OBJECT

public:
    /// The disposal options, as the group's button ids and the settings file stores them.
    enum Disposal { NoDisposal = 0, NormDel = 1, RecBin = 2, Folder = 3 };

    /// `designFolder` is the folder box's text at every start.
    explicit OptionsPage(QString designFolder, QWidget* parent = nullptr);

    QLabel* Label11() const { return label11_; }
    /// The drive list: one check box row per drive.
    QListWidget* clbDrives() const { return clbDrives_; }
    QLabel* Label1() const { return label1_; }
    QRadioButton* optNormDel() const { return optNormDel_; }
    QRadioButton* optRecBin() const { return optRecBin_; }
    QRadioButton* optFolder() const { return optFolder_; }
    /// The three disposal buttons, with the ids of Disposal.
    QButtonGroup* disposalGroup() const { return disposalGroup_; }
    /// The folder into which "Move Them To This Folder:" moves files; read-only.
    QLineEdit* edtFolder() const { return edtFolder_; }
    QPushButton* cmdBrowse() const { return cmdBrowse_; }

    /// Replaces the drive list's rows with one unticked row per drive, in the given order; the
    /// mount point is the row's tooltip.
    void fillDrives(const std::vector<Drive>& drives);
    /// The selected disposal option, NoDisposal when none is selected.
    Disposal disposal() const;
    /// Selects a disposal option; any other value leaves the selection as it is.
    void selectDisposal(int option);
    /// The folder box's text in the design.
    const QString& designFolder() const { return designFolder_; }
    /// Puts the disposal option and the folder back to the design; the drive rows stay,
    /// unticked.
    void applyDesignValues();

private:
    QString designFolder_;
    QLabel* label11_;
    QListWidget* clbDrives_;
    QLabel* label1_;
    QRadioButton* optNormDel_;
    QRadioButton* optRecBin_;
    QRadioButton* optFolder_;
    QButtonGroup* disposalGroup_;
    QLineEdit* edtFolder_;
    QPushButton* cmdBrowse_;
};

}  // namespace korvane
