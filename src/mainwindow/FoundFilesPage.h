// The page "Main": the program's name and the found-files list with its pop-up menu.
#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QMenu;

namespace korvane {

class FoundFilesModel;
class FoundFilesView;

class FoundFilesPage : public QWidget {
    Q_OBJECT

public:
    explicit FoundFilesPage(QWidget* parent = nullptr);

    QLabel* Label3() const { return label3_; }
    /// The found-files list.
    FoundFilesView* lv1() const { return lv1_; }
    /// The rows of the found-files list.
    FoundFilesModel* foundFiles() const { return model_; }
    /// The list's pop-up menu: "&View File", a separator, "&Properties".
    QMenu* PopupMenu1() const { return popupMenu1_; }
    QAction* mnuViewFile() const { return mnuViewFile_; }
    QAction* mnuProps() const { return mnuProps_; }

    /// Empties the list and disables the menu's items.
    void applyDesignValues();

private:
    QLabel* label3_;
    FoundFilesView* lv1_;
    FoundFilesModel* model_;
    QMenu* popupMenu1_;
    QAction* mnuViewFile_;
    QAction* mnuProps_;
};

}  // namespace korvane
