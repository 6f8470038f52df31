#include "mining/seed_markers.h"

#include "hotwords/extract.h"
#include "hotwords/page_fetcher.h"
#include "hotwords/urls.h"

namespace vantorix::mining {

QStringList parseSeedMarkers(const QString &pageBody)
{
    const QString block =
        hotwords::ExtractBetween(pageBody, QStringLiteral("[[v3.3--"), QStringLiteral("]]"));
    if (block.isEmpty())
        return {};
    return block.split(QStringLiteral("--"), Qt::KeepEmptyParts);
}

void fetchSeedMarkers(hotwords::PageFetcher &fetcher, const QString &publisherHost,
                      QObject *context, std::function<void(const Result<QStringList> &)> done)
{
    hotwords::PageFetch *fetch = fetcher.get(hotwords::markerPageUrl(publisherHost));
    QObject::connect(fetch, &hotwords::PageFetch::finished, context,
                     [done = std::move(done)](const hotwords::FetchResult &result) {
                         if (!result.ok)
                             return done(failure(result.error));
                         done(parseSeedMarkers(result.text));
                     });
}

} // namespace vantorix::mining
