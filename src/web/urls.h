#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace vantorix::web {

// Text as GB18030 bytes, every byte outside the unreserved ASCII set written
// as %XX, so "&", "#", "%", spaces and Chinese reach the server as text.
QByteArray percentEncodeGb18030(const QString &text);

// HOST's base address (http:// when it names no scheme) followed by
// PATH_AND_QUERY, taken as already encoded.
QUrl pageUrl(const QString &host, const QByteArray &pathAndQuery);

// The classic web-search result page of a keyword: HOST/s?wd=KEYWORD.
QUrl searchUrl(const QString &host, const QString &keyword);

// The publisher's seed marker page and home page.
QUrl markerPageUrl(const QString &publisherHost);
QUrl homePageUrl(const QString &publisherHost);

} // namespace vantorix::web
