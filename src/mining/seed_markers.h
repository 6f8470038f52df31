#pragma once

#include "common/result.h"

#include <QStringList>
#include <functional>

class QObject;

namespace vantorix::web {
class PageFetcher;
}

namespace vantorix::mining {

// The marker block "[[v3.3--START--END]]" of the publisher's page, split on
// "--" and lower-cased. Empty when the page holds no block for this version.
QStringList parseSeedMarkers(const QString &pageBody);

// Fetches the publisher's seed marker page and hands `done` its markers as
// parseSeedMarkers() reads them, or why the page could not be fetched.
// `done` is called from the event loop, unless `context` is gone by then.
void fetchSeedMarkers(web::PageFetcher &fetcher, const QString &publisherHost, QObject *context,
                      std::function<void(const Result<QStringList> &)> done);

} // namespace vantorix::mining
