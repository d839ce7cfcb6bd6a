// File services for tests: every call is recorded, the folder picker answers with a planted
// folder, and nothing opens or blocks.
#pragma once

#include <QList>
#include <QString>

#include "platform/desktop/FileServices.h"

namespace korvane {

class RecordingFileServices : public FileServices {
public:
    QString chooseFolder(QWidget* parent, const QString& title, const QString& start) override;
    void viewFile(const QString& path) override { viewedFiles.append(path); }
    void showProperties(const QString& path, QWidget* parent) override;

    /// The picker's next answer; empty stands for a cancelled picker.
    QString nextFolder;
    QList<QString> pickerTitles;
    QList<QString> viewedFiles;
    QList<QString> propertiesShown;
};

}  // namespace korvane
