// The help window: shows the help file beside the program's executable, opened at a topic
// ("Getting_Started" or "Operation"). Web links in the help go to the default browser.
#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

namespace korvane {

class DesktopServices;

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr char kFileName[] = "krvane.html";

    explicit HelpWindow(DesktopServices& desktop, QWidget* parent = nullptr);

    /// The help file: the directory of the program's executable and "krvane.html", whatever
    /// the current directory.
    static QString helpFilePath();

    /// Shows the help file at the topic's anchor; a missing file is said in the window.
    void showTopic(const QString& topic);
    QTextBrowser* browser() const { return browser_; }

private:
    void followLink(const QUrl& link);

    DesktopServices& desktop_;
    QTextBrowser* browser_;
};

}  // namespace korvane
