// File services of the desktop the program runs on: the Qt folder picker, the application the
// desktop associates with plain text, and the file manager's properties window over D-Bus with
// a small dialog of our own when no file manager answers.
#pragma once

#include "platform/desktop/FileServices.h"

namespace korvane {

class SystemFileServices : public FileServices {
public:
    QString chooseFolder(QWidget* parent, const QString& title, const QString& start) override;
    void viewFile(const QString& path) override;
    void showProperties(const QString& path, QWidget* parent) override;
};

}  // namespace korvane
