#include "platform/desktop/SystemDesktopServices.h"

#include <QDesktopServices>
#include <QMessageBox>

#include "platform/desktop/ErrorBoxText.h"

namespace korvane {

void SystemDesktopServices::openUrl(const QUrl& url) {
    // The result is not looked at: with no browser the user simply sees nothing.
    QDesktopServices::openUrl(url);
}

void SystemDesktopServices::showError(const QString& text) {
    QMessageBox::critical(nullptr, kMessageBoxTitle, errorBoxText(text));
}

void SystemDesktopServices::showInformation(const QString& text) {
    QMessageBox::information(nullptr, kMessageBoxTitle, text);
}

}  // namespace korvane
