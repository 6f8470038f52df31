#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>

namespace vantorix::hotwords {

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
// exactly once unless aborted, then deletes itself.
class HotwordFetch : public QObject
{
    Q_OBJECT
public:
    HotwordFetch(PageFetcher &fetcher, HotlistReading reading, QObject *parent = nullptr);
    ~HotwordFetch() override;

    // Cancels the fetch; finished() is not emitted.
    void abort();

Q_SIGNALS:
    // The word list (empty on failure), whether the page arrived, and why not.
    void finished(const QString &wordList, bool ok, const QString &error);

private:
    void pageArrived(const FetchResult &result);

    HotlistReading m_reading;
    QPointer<PageFetch> m_fetch;
};

} // namespace vantorix::hotwords
