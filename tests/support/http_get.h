#pragma once

#include "gbk.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>

// One GET through QNetworkAccessManager, waited for with QSignalSpy.
struct HttpResult
{
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    int status = 0;
    QByteArray contentType;
    qint64 declaredLength = -1; // Content-Length, when sent
    QByteArray body;
    bool finished = false;

    QString text() const { return fromGbk(body); }
};

inline HttpResult readReply(QNetworkReply *reply, int waitMs = 10000)
{
    HttpResult result;
    QSignalSpy done(reply, &QNetworkReply::finished);
    result.finished = reply->isFinished() || done.wait(waitMs);
    result.error = reply->error();
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.contentType = reply->rawHeader("Content-Type");
    if (reply->hasRawHeader("Content-Length"))
        result.declaredLength = reply->rawHeader("Content-Length").toLongLong();
    if (reply->isOpen())
        result.body = reply->readAll();
    reply->deleteLater();
    return result;
}

inline HttpResult httpGet(QNetworkAccessManager &manager, const QUrl &url, int timeoutMs = 0)
{
    QNetworkRequest request(url);
    if (timeoutMs > 0)
        request.setTransferTimeout(timeoutMs);
    return readReply(manager.get(request));
}
