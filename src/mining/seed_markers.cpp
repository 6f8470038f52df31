#include "mining/seed_markers.h"

#include "web/extract.h"
#include "web/page_fetcher.h"
#include "web/urls.h"

namespace vantorix::mining {

QStringList parseSeedMarkers(const QString &pageBody)
{
    const QString block =
        web::ExtractBetween(pageBody, QStringLiteral("[[v3.3--"), QStringLiteral("]]"));
    if (block.isEmpty())
        return {};
    return block.split(QStringLiteral("--"), Qt::KeepEmptyParts);
}

void fetchSeedMarkers(web::PageFetcher &fetcher, const QString &publisherHost, QObject *context,
                      std::function<void(const Result<QStringList> &)> done)
{
    web::PageFetch *fetch = fetcher.get(web::markerPageUrl(publisherHost));
    QObject::connect(fetch, &web::PageFetch::finished, context,
                     [done = std::move(done)](const web::FetchResult &result) {
                         if (!result.page)
                             return done(failure(result.page.error()));
                         done(parseSeedMarkers(result.page->text));
                     });
}

} // namespace vantorix::mining
