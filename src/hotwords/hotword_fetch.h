#pragma once

#include "common/result.h"
#include "config/settings.h"
#include "hotwords/sources.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace vantorix::hotwords {

class PageFetch;
class PageFetcher;
struct FetchResult;

// Fetches one source's ranking page and cuts its words out. Emits finished()
// exactly once, then deletes itself; destroyed before, it cancels the fetch.
class HotwordFetch : public QObject
{
    Q_OBJECT
public:
    HotwordFetch(PageFetcher &fetcher, const HotwordSource &source,
                 const config::Settings &settings, QObject *parent = nullptr);
    ~HotwordFetch() override;

Q_SIGNALS:
    // The word list (empty when the page holds none), or why the page did not
    // arrive.
    void finished(const vantorix::Result<QString> &wordList);

private:
    void pageArrived(const FetchResult &result);

    HotwordSource m_source;
    config::Settings m_settings;
    QPointer<PageFetch> m_fetch;
};

} // namespace vantorix::hotwords
