#pragma once

#include "common/result.h"
#include "config/settings.h"
#include "web/charset.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace vantorix::web {

struct FetchResult
{
    // The body decoded by its declared charset (GB18030 by default), or why
    // the fetch failed, for messages on the command line.
    Result<DecodedPage> page = failure(QString());
    int status = 0; // HTTP status, 0 when none arrived
    // The redirect the fetch was told not to follow (then a failure); empty otherwise.
    QUrl stoppedAt;
};

// Whether a fetch should end at a redirect to this address instead of following it.
using RedirectStop = std::function<bool(const QUrl &target)>;

// One request in flight. Emits finished() exactly once unless aborted, then
// deletes itself.
class PageFetcher;

class PageFetch : public QObject
{
    Q_OBJECT
public:
    ~PageFetch() override;

    // Cancels the request; finished() is not emitted.
    void abort();

Q_SIGNALS:
    void finished(const vantorix::web::FetchResult &result);

private:
    friend class PageFetcher;
    PageFetch(PageFetcher *fetcher, const QUrl &url, int timeoutSeconds, qint64 maxBodyBytes,
              RedirectStop stop);
    void watch(QNetworkReply *reply);
    bool followRedirect(QNetworkReply *reply);
    void checkDeclaredLength();
    void readBody();
    bool takeBody(QNetworkReply *reply);
    void giveUp(const QString &why);
    QString tooLarge() const;
    void complete();
    void release();

    PageFetcher *m_fetcher;
    QPointer<QNetworkReply> m_reply;
    QTimer *m_deadline;
    QByteArray m_body;
    qint64 m_maxBodyBytes;
    RedirectStop m_stop;
    int m_redirects = 0;
    QUrl m_stoppedAt;
    qint64 m_declaredBytes = -1; // the body's declared length, when uncompressed
    QString m_gaveUp;            // why the fetch was cut short by us (time-out, size, redirect)
};

// The program's one page fetch: asynchronous GET of an absolute http or https
// address with a desktop browser's headers, redirects followed (at most 10,
// never from https to http), cookies kept in one jar for the fetcher's life
// (a run, or the window's session). The time-out
// bounds the whole transfer, not just a silence, so a server that trickles
// bytes cannot hold a fetch. A network error, a time-out, a status outside 2xx
// or a body over the size limit is a failure. Proxy: none for this machine,
// else the settings' --proxy (http:// or socks5://) or the system's settings.
// Several fetches may be in flight.
class PageFetcher : public QObject
{
    Q_OBJECT
public:
    // Bodies larger than this are a failed fetch rather than a memory blow-up.
    static constexpr qint64 kDefaultMaxBodyBytes = 32 * 1024 * 1024;

    explicit PageFetcher(const config::Settings &settings, QObject *parent = nullptr);
    ~PageFetcher() override;

    // Starts the request; finished() follows from the event loop, never from
    // here. A redirect that `stop` picks ends the fetch unfollowed.
    PageFetch *get(const QUrl &url, RedirectStop stop = {});

    void setMaxBodyBytes(qint64 bytes) { m_maxBodyBytes = bytes; }
    // Sends every request through `proxyUrl` (http:// or socks5://), this
    // machine's too: one proxy of a rotation the user named.
    void sendAllThrough(const QString &proxyUrl);

private:
    friend class PageFetch;
    QNetworkReply *send(const QUrl &url);

    QNetworkAccessManager *m_network;
    int m_timeoutSeconds;
    qint64 m_maxBodyBytes = kDefaultMaxBodyBytes;
};

} // namespace vantorix::web
