// Desktop services for tests: every call is recorded, nothing is opened and nothing blocks.
#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include "platform/desktop/DesktopServices.h"

namespace korvane {

class RecordingDesktopServices : public DesktopServices {
public:
    void openUrl(const QUrl& url) override { openedUrls.append(url); }
    /// Records the text as the error box would show it, full stop included.
    void showError(const QString& text) override;
    void showInformation(const QString& text) override { informationTexts.append(text); }

    QList<QUrl> openedUrls;
    QList<QString> errorTexts;
    QList<QString> informationTexts;
};

}  // namespace korvane
