// The desktop services the found-files list and the Options page call on files and folders: the
// folder picker, the text editor and the properties window. The program uses
// SystemFileServices; tests hand over a RecordingFileServices so nothing opens or blocks.
#pragma once

#include <QString>

class QWidget;

namespace korvane {

class FileServices {
public:
    virtual ~FileServices() = default;

    /// The folder picker titled `title`, starting at `start`: the chosen folder, or an empty
    /// text when the user cancels.
    virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& start) = 0;
    /// Opens the file in the desktop's text editor; a failure is silent.
    virtual void viewFile(const QString& path) = 0;
    /// Shows the properties window of the file; nothing for a file that is gone.
    virtual void showProperties(const QString& path, QWidget* parent) = 0;
};

}  // namespace korvane
