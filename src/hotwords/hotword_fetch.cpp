#include "hotwords/hotword_fetch.h"

#include "hotwords/page_fetcher.h"

namespace vantorix::hotwords {

HotwordFetch::HotwordFetch(PageFetcher &fetcher, const HotwordSource &source,
                           const config::Settings &settings, QObject *parent)
    : QObject(parent), m_source(source), m_settings(settings),
      m_fetch(fetcher.get(sourceUrl(source, settings)))
{
    connect(m_fetch, &PageFetch::finished, this, &HotwordFetch::pageArrived);
}

HotwordFetch::~HotwordFetch()
{
    if (m_fetch)
        m_fetch->abort();
}

void HotwordFetch::pageArrived(const FetchResult &result)
{
    m_fetch = nullptr;
    deleteLater();
    if (!result.ok)
        Q_EMIT finished(failure(result.error));
    else
        Q_EMIT finished(wordList(result.text, m_source, m_settings));
}

} // namespace vantorix::hotwords
