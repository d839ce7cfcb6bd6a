#include "app/WebSite.h"

namespace korvane {

QUrl webPageUrl(const QString& path) {
    return QUrl(QStringLiteral("http://") + QLatin1String(kWebHost) + path);
}

QString mainSiteCaption() {
    return QStringLiteral("&Main Site (%1)").arg(QLatin1String(kWebHost));
}

}  // namespace korvane
