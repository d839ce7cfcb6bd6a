// The maker's web site: its host and the addresses of the pages the tray menu opens.
#pragma once

#include <QString>
#include <QUrl>

namespace korvane {

/// The web site's host. A reserved example domain, so no stranger's site is ever opened, until
/// the maker names its real host here.
inline constexpr char kWebHost[] = "www.vantrel.example";

/// The pages of the web site, by their paths.
inline constexpr char kHomePage[] = "/";
inline constexpr char kUpgradePage[] = "/upgrade/";
inline constexpr char kProductsPage[] = "/products/";
inline constexpr char kSupportPage[] = "/support/";

/// "http://" + the host + the path.
QUrl webPageUrl(const QString& path);
/// The caption of the home page's menu item: "&Main Site (<host>)".
QString mainSiteCaption();

}  // namespace korvane
