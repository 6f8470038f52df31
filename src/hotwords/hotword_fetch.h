#pragma once

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
// exactly once unless aborted, then deletes itself.
class HotwordFetch : public QObject
{
    Q_OBJECT
public:
    HotwordFetch(PageFetcher &fetcher, const HotwordSource &source,
                 const config::Settings &settings, QObject *parent = nullptr);
    ~HotwordFetch() override;

    // Cancels the fetch; finished() is not emitted.
    void abort();

Q_SIGNALS:
    // The word list (empty on failure), whether the page arrived, and why not.
    void finished(const QString &wordList, bool ok, const QString &error);

private:
    void pageArrived(const FetchResult &result);

    HotwordSource m_source;
    config::Settings m_settings;
    QPointer<PageFetch> m_fetch;
};

} // namespace vantorix::hotwords
