// The desktop services the window and the tray call: web links and message boxes. The program
// uses SystemDesktopServices; tests hand over a RecordingDesktopServices so nothing opens or
// blocks.
#pragma once

#include <QString>
#include <QUrl>

namespace korvane {

class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    /// Opens a web address in the user's default browser; a failure is silent.
    virtual void openUrl(const QUrl& url) = 0;
    /// The application's error box: title "Korvane", error icon, OK; waits for the user.
    virtual void showError(const QString& text) = 0;
    /// An information box titled "Korvane" with an OK button; waits for the user.
    virtual void showInformation(const QString& text) = 0;
};

}  // namespace korvane
