#include "config/host_check.h"
#include "layout/classic_layout.h"
#include "layout/live_layout.h"

#include <QUrl>

namespace vantorix::layout {

namespace {

bool isPublicEngineHost(const QString &host)
{
    const QString name = QUrl(config::baseAddress(host)).host().toLower();
    for (const QLatin1String domain : {QLatin1String("baidu.com"), QLatin1String("sogou.com")}) {
        if (name == domain || name.endsWith(QLatin1Char('.') + domain))
            return true;
    }
    return false;
}

} // namespace

std::shared_ptr<const PageLayout> chooseLayout(const config::Settings &settings)
{
    const config::HostSettings &hosts = settings.hosts;
    const bool live = settings.layout == config::LayoutChoice::Live ||
                      (settings.layout == config::LayoutChoice::Auto && !settings.sandbox &&
                       isPublicEngineHost(hosts.search) && isPublicEngineHost(hosts.hotlist) &&
                       isPublicEngineHost(hosts.sogouHotlist));
    if (live)
        return std::make_shared<LiveLayout>(hosts);
    return std::make_shared<ClassicLayout>(settings);
}

} // namespace vantorix::layout
