#include "app/system_browser.h"

#include <QDesktopServices>

namespace vantorix::app {

void openInSystemBrowser(const QUrl &url)
{
    const QString scheme = url.scheme();
    if (url.isValid() && !url.host().isEmpty() &&
        (scheme == QLatin1String("http") || scheme == QLatin1String("https")))
        QDesktopServices::openUrl(url);
}

} // namespace vantorix::app
