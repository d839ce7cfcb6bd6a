#include "platform/desktop/RecordingDesktopServices.h"

#include "platform/desktop/ErrorBoxText.h"

namespace korvane {

void RecordingDesktopServices::showError(const QString& text) {
    errorTexts.append(errorBoxText(text));
}

}  // namespace korvane
