#include "web/hotword_fetch.h"

#include "web/page_fetcher.h"

namespace vantorix::web {

HotwordFetch::HotwordFetch(PageFetcher &fetcher, HotlistReading reading, QObject *parent)
    : QObject(parent), m_reading(std::move(reading)), m_fetch(fetcher.get(m_reading.url))
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
    if (!result.page)
        Q_EMIT finished(failure(result.page.error()));
    else
        Q_EMIT finished(m_reading.wordList(result.page->text));
}

} // namespace vantorix::web
