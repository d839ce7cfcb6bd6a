// The desktop services of the running program: the default browser and real message boxes.
#pragma once

#include "platform/desktop/DesktopServices.h"

namespace korvane {

class SystemDesktopServices : public DesktopServices {
public:
    void openUrl(const QUrl& url) override;
    void showError(const QString& text) override;
    void showInformation(const QString& text) override;
};

}  // namespace korvane
