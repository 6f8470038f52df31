#include "mining/fetch_policy.h"

#include "config/settings.h"
#include "layout/page_layout.h"

#include <algorithm>

namespace vantorix::mining {

namespace {

constexpr int kThrottledRetries = 3;

} // namespace

FetchPolicy fetchPolicy(const config::Settings &settings, const layout::PageLayout &layout)
{
    FetchPolicy policy;
    const bool throttled = layout.throttlesClients();
    policy.retries = settings.retries.value_or(throttled ? kThrottledRetries : 0);
    policy.delayMs = settings.delayMs.value_or(0);
    policy.autoPace = !settings.delayMs && (settings.autoPace || throttled);
    policy.maxRate = settings.maxRate;
    policy.proxies = settings.proxies;
    policy.timeoutSeconds = settings.timeoutSeconds;
    // One query in flight per way out unless told otherwise.
    policy.concurrency = settings.concurrency > 0 ? settings.concurrency
                                                  : std::max<int>(1, int(settings.proxies.size()));
    return policy;
}

EngineSetup engineSetup(const config::Settings &settings, const QString &engine)
{
    config::Settings own = settings;
    own.engine = engine;
    std::shared_ptr<const layout::PageLayout> layout = layout::chooseLayout(own);
    FetchPolicy policy = fetchPolicy(own, *layout);
    return {std::move(layout), std::move(policy)};
}

} // namespace vantorix::mining
