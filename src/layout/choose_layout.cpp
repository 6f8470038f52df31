#include "layout/classic_layout.h"
#include "layout/live_layout.h"

namespace vantorix::layout {

std::shared_ptr<const PageLayout> chooseLayout(const config::Settings &settings)
{
    if (config::readsLivePages(settings))
        return std::make_shared<LiveLayout>(settings.hosts);
    return std::make_shared<ClassicLayout>(settings);
}

} // namespace vantorix::layout
