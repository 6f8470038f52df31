#pragma once

#include "common/result.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>

namespace vantorix::web {

class PageFetch;
class PageFetcher;
struct FetchResult;

// How the layout in use reads one hot-word source: the page to fetch, and how
// its text becomes the word list (each word followed by CRLF).
struct HotlistReading
{
    QUrl url;
    std::function<QString(const QString &pageText)> wordList;
};

// Fetches one source's ranking page and cuts its words out. Emits finished()
// exactly once, then deletes itself; destroyed before, it cancels the fetch.
class HotwordFetch : public QObject
{
    Q_OBJECT
public:
    HotwordFetch(PageFetcher &fetcher, HotlistReading reading, QObject *parent = nullptr);
    ~HotwordFetch() override;

Q_SIGNALS:
    // The word list (empty when the page holds none), or why the page did not
    // arrive.
    void finished(const vantorix::Result<QString> &wordList);

private:
    void pageArrived(const FetchResult &result);

    HotlistReading m_reading;
    QPointer<PageFetch> m_fetch;
};

} // namespace vantorix::web
