#pragma once

#include <QStringList>
#include <memory>

namespace vantorix::config {
struct Settings;
}
namespace vantorix::layout {
class PageLayout;
}

namespace vantorix::mining {

// How a mining run sends its queries.
struct FetchPolicy
{
    int concurrency = 1;       // entries fetched at once, counting the one waited for
    int retries = 0;           // a failed or blocked query is tried again this many times
    int delayMs = 0;           // fixed pace: least gap between two starts on one route
    int maxFailuresInARow = 0; // the run stops after this many lost queries in a row; 0: never
    bool autoPace = false;     // learn the pace instead of a fixed one
    double maxRate = 2.0;      // queries per second one route never exceeds when learning
    QStringList proxies = {};  // the rotation; empty: the fetcher's own way out
    int timeoutSeconds = 60;   // of a request through one of the proxies
};

// What the settings ask for, with the layout's defaults where they say
// nothing: an engine that throttles clients gets a learnt pace and three
// retries (the embedded sandbox does not throttle); a fixed delay turns the
// learning off.
FetchPolicy fetchPolicy(const config::Settings &settings, const layout::PageLayout &layout);

// An engine as the settings have it read: its layout (`settings.engine` set
// to `engine`) and how its queries go out.
struct EngineSetup
{
    std::shared_ptr<const layout::PageLayout> layout;
    FetchPolicy policy;
};
EngineSetup engineSetup(const config::Settings &settings, const QString &engine);

} // namespace vantorix::mining
