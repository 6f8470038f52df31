#include "web/urls.h"

#include "config/host_check.h"

#include <QStringEncoder>

namespace vantorix::web {

QByteArray percentEncodeGb18030(const QString &text)
{
    QStringEncoder encoder("GB18030");
    const QByteArray bytes = encoder.encode(text);
    return bytes.toPercentEncoding();
}

QUrl pageUrl(const QString &host, const QByteArray &pathAndQuery)
{
    return QUrl::fromEncoded(config::baseAddress(host).toLatin1() + pathAndQuery, QUrl::StrictMode);
}

QUrl searchUrl(const QString &host, const QString &keyword)
{
    return pageUrl(host, "/s?wd=" + percentEncodeGb18030(keyword));
}

QUrl markerPageUrl(const QString &publisherHost)
{
    return pageUrl(publisherHost, "/banben.htm?bb=v3.3");
}

QUrl homePageUrl(const QString &publisherHost)
{
    return pageUrl(publisherHost, "/?bb=v3.3");
}

} // namespace vantorix::web
