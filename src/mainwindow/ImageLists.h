// The program's pictures, drawn at start-up: the icon (a magnifying glass) and the three image
// lists of the main window's lists.
#pragma once

#include <QIcon>
#include <QList>

namespace korvane {

class ImageLists {
public:
    /// The program's icon, shown by the tray and the main window: a magnifying glass.
    static QIcon applicationIcon();
    /// The drive list's images: 0 a hard disk.
    static QList<QIcon> imageList1();
    /// The pattern list's images: 0 a magnifying glass.
    static QList<QIcon> imageList2();
    /// The found-files list's images, by disposal option: 0 a waste bin, 1 a recycle bin,
    /// 2 a folder with an arrow.
    static QList<QIcon> imageList3();
};

}  // namespace korvane
