// A small properties window of one file, shown when no file manager answers: its name, folder,
// size, time of change, owner and permissions.
#pragma once

#include <QDialog>
#include <QFileInfo>

namespace korvane {

class FilePropertiesDialog : public QDialog {
    Q_OBJECT

public:
    explicit FilePropertiesDialog(const QFileInfo& file, QWidget* parent = nullptr);

    /// The permissions as "rwxr-x---".
    static QString permissionsText(QFileDevice::Permissions permissions);
};

}  // namespace korvane
