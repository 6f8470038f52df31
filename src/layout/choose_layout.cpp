#include "layout/classic_layout.h"
#include "layout/live_layout.h"
#include "layout/so360_layout.h"
#include "layout/sogou_layout.h"

namespace vantorix::layout {

QStringList engineNames()
{
    return {QStringLiteral("baidu"), QStringLiteral("sogou"), QStringLiteral("so360")};
}

std::shared_ptr<const PageLayout> chooseLayout(const config::Settings &settings)
{
    if (settings.engine == QLatin1String("sogou"))
        return std::make_shared<SogouLayout>(settings.hosts);
    if (settings.engine == QLatin1String("so360"))
        return std::make_shared<So360Layout>(settings.hosts);
    if (config::readsLivePages(settings))
        return std::make_shared<LiveLayout>(settings.hosts);
    return std::make_shared<ClassicLayout>(settings);
}

} // namespace vantorix::layout
