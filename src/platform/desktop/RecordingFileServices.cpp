#include "platform/desktop/RecordingFileServices.h"

namespace korvane {

QString RecordingFileServices::chooseFolder(QWidget* /*parent*/, const QString& title,
                                            const QString& /*start*/) {
    pickerTitles.append(title);
    return nextFolder;
}

void RecordingFileServices::showProperties(const QString& path, QWidget* /*parent*/) {
    propertiesShown.append(path);
}

}  // namespace korvane
