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

void HotwordFetch::abort()
{
    if (m_fetch)
        m_fetch->abort();
    m_fetch = nullptr;
    deleteLater();
}

void HotwordFetch::pageArrived(const FetchResult &result)
{
    m_fetch = nullptr;
    const QString words = result.ok ? wordList(result.text, m_source, m_settings) : QString();
    deleteLater();
    Q_EMIT finished(words, result.ok, result.error);
}

} // namespace vantorix::hotwords
