#pragma once

#include "config/settings.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace vantorix::hotwords {

struct FetchResult
{
    bool ok = false;
    int status = 0;     // HTTP status, 0 when none arrived
    QString text;       // body decoded by its declared charset (GB18030 by default)
    QByteArray body;    // raw body
    QString error;      // why it failed, for messages on the command line
};

// One request in flight. Emits finished() exactly once unless aborted, then
// deletes itself.
class PageFetch : public QObject
{
    Q_OBJECT
public:
    // Cancels the request; finished() is not emitted.
    void abort();

Q_SIGNALS:
    void finished(const vantorix::hotwords::FetchResult &result);

private:
    friend class PageFetcher;
    explicit PageFetch(QNetworkReply *reply, int timeoutSeconds, QObject *parent);
    void complete();
    QNetworkReply *m_reply;
    bool m_timedOut = false;
};

// The program's one page fetch: asynchronous GET of an absolute http address,
// redirects followed, a transfer time-out; a network error, a time-out or a
// status outside 2xx is a failure. Several fetches may be in flight.
class PageFetcher : public QObject
{
    Q_OBJECT
public:
    explicit PageFetcher(const config::Settings &settings, QObject *parent = nullptr);

    PageFetch *get(const QUrl &url);

private:
    QNetworkAccessManager *m_network;
    int m_timeoutSeconds;
};

} // namespace vantorix::hotwords
