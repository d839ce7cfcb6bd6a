// The program's icon in the notification area and its menu. It owns both and tells the
// application what the user chose; it shows no window of its own.
#pragma once

#include <QObject>
#include <QSystemTrayIcon>
#include <memory>

class QAction;
class QMenu;

namespace korvane {

class TrayIcon : public QObject {
    Q_OBJECT

public:
    /// The icon's tooltip.
    static constexpr char kToolTip[] = "Vantrel Korvane - Right Click for Options";

    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    /// The tray menu: "&Open", the help and web submenus, "&Exit".
    QMenu* PopupMenu1() const { return menu_.get(); }
    QSystemTrayIcon* TrayIcon1() const { return icon_; }
    /// A menu item by its name (Open1, G1, N2, T1, M1, U1, N6, N7, mnuClose, Help1, ...).
    QAction* item(const QString& name) const;

    /// Enables "&Open"; it is disabled until the start-up is done.
    void setOpenEnabled(bool enabled);
    bool openEnabled() const;
    /// Puts the icon into the notification area, or takes it out.
    void setVisible(bool visible);

signals:
    /// "&Open".
    void openRequested();
    /// A double click on the icon.
    void doubleClicked();
    /// "&Getting Started" or "&How to use Korvane": the help topic to show.
    void helpTopicRequested(const QString& topic);
    /// One of the web items: the path of the page on the maker's web site.
    void webPageRequested(const QString& path);
    /// "&Exit".
    void exitRequested();

private:
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption);

    std::unique_ptr<QMenu> menu_;
    QSystemTrayIcon* icon_;
    QAction* open1_ = nullptr;
};

}  // namespace korvane
