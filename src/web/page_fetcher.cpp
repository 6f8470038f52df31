#include "web/page_fetcher.h"

#include "common/message_text.h"
#include "web/charset.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace vantorix::web {

namespace {

constexpr int kMaxRedirects = 10;

// Today's engines serve a plain client a shell page or a trimmed one; a
// desktop browser's headers get the full page.
const QByteArray kUserAgent = "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 "
                              "(KHTML, like Gecko) Chrome/138.0.0.0 Safari/537.36";
const QByteArray kAccept = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
const QByteArray kAcceptLanguage = "zh-CN,zh;q=0.9";

// What a reply may hold before we take it: the network is read no faster than
// the body is, so a page over the size limit costs the limit and this, not
// whatever arrived before the limit was noticed.
constexpr qint64 kReadBufferBytes = 1 << 20;

QNetworkProxy proxyFromUrl(const QUrl &url)
{
    const bool socks = url.scheme().startsWith(QLatin1String("socks"), Qt::CaseInsensitive);
    const QNetworkProxy::ProxyType type =
        socks ? QNetworkProxy::Socks5Proxy : QNetworkProxy::HttpProxy;
    return QNetworkProxy(type, url.host(), quint16(url.port(socks ? 1080 : 8080)), url.userName(),
                         url.password());
}

// This machine is reached directly (the sandbox web, local test sites); any
// other host through the chosen proxy or the system's proxy settings.
class ProxyChoice : public QNetworkProxyFactory
{
public:
    explicit ProxyChoice(const QString &proxyUrl)
        : m_fixed(proxyUrl.isEmpty() ? QNetworkProxy(QNetworkProxy::DefaultProxy)
                                     : proxyFromUrl(QUrl(proxyUrl)))
    {
    }

    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery &query) override
    {
        const QString host = query.peerHostName();
        if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
            QHostAddress(host).isLoopback())
            return {QNetworkProxy(QNetworkProxy::NoProxy)};
        if (m_fixed.type() != QNetworkProxy::DefaultProxy)
            return {m_fixed};
        return systemProxyForQuery(query);
    }

private:
    QNetworkProxy m_fixed;
};

} // namespace

PageFetch::PageFetch(PageFetcher *fetcher, const QUrl &url, int timeoutSeconds, qint64 maxBodyBytes,
                     RedirectStop stop)
    : QObject(fetcher), m_fetcher(fetcher), m_deadline(new QTimer(this)),
      m_maxBodyBytes(maxBodyBytes), m_stop(std::move(stop))
{
    // A whole-transfer deadline, not an idle one: a server that trickles a
    // byte now and then must not hold the fetch forever.
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, [this, timeoutSeconds] {
        giveUp(QCoreApplication::translate("web", "timed out after %1 s").arg(timeoutSeconds));
    });
    m_deadline->start(std::chrono::seconds(timeoutSeconds));
    watch(fetcher->send(url));
}

void PageFetch::watch(QNetworkReply *reply)
{
    m_reply = reply;
    reply->setReadBufferSize(kReadBufferBytes);
    connect(reply, &QNetworkReply::metaDataChanged, this, &PageFetch::checkDeclaredLength);
    connect(reply, &QNetworkReply::readyRead, this, &PageFetch::readBody);
    connect(reply, &QNetworkReply::finished, this, &PageFetch::complete);
    if (reply->isFinished()) // refused at once; still answer from the event loop
        QTimer::singleShot(0, this, &PageFetch::complete);
}

PageFetch::~PageFetch()
{
    release();
}

void PageFetch::abort()
{
    release();
    deleteLater();
}

void PageFetch::release()
{
    m_deadline->stop();
    if (QNetworkReply *reply = m_reply.data()) {
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void PageFetch::checkDeclaredLength()
{
    if (!m_reply || !m_gaveUp.isEmpty())
        return;
    bool known = false;
    const qint64 declared =
        m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    if (!known)
        return;
    // Compressed bodies arrive unpacked, longer than declared.
    const QByteArray coding = m_reply->rawHeader("Content-Encoding").trimmed().toLower();
    if (coding.isEmpty() || coding == "identity")
        m_declaredBytes = declared;
    if (declared > m_maxBodyBytes)
        giveUp(tooLarge());
    else
        m_body.reserve(declared);
}

// Redirects are followed here, not by Qt, so that one the caller wants to
// see ends the fetch before its target is asked for. None goes from https
// down to http. False when the answer is no redirect to follow (m_gaveUp
// then says why, if it was one).
bool PageFetch::followRedirect(QNetworkReply *reply)
{
    static const QList<int> kRedirects = {301, 302, 303, 307, 308};
    const QUrl location = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (location.isEmpty() ||
        !kRedirects.contains(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt()))
        return false;
    const QUrl target = reply->url().resolved(location);
    if (m_stop && m_stop(target)) {
        m_stoppedAt = target;
        m_gaveUp = QCoreApplication::translate("web", "redirected to ") +
                   clipped(target.toDisplayString());
    } else if (reply->url().scheme() == QLatin1String("https") &&
               target.scheme() != QLatin1String("https")) {
        m_gaveUp = QCoreApplication::translate("web", "insecure redirect to ") +
                   clipped(target.toDisplayString());
    } else if (++m_redirects > kMaxRedirects) {
        m_gaveUp = QCoreApplication::translate("web", "more than %1 redirects").arg(kMaxRedirects);
    } else {
        m_body.clear();
        m_declaredBytes = -1;
        watch(m_fetcher->send(target));
        return true;
    }
    return false;
}

void PageFetch::readBody()
{
    if (m_reply && m_gaveUp.isEmpty() && !takeBody(m_reply))
        giveUp(tooLarge());
}

// Takes what the reply holds, one byte past the limit at most; false when the
// body is over the limit.
bool PageFetch::takeBody(QNetworkReply *reply)
{
    m_body += reply->read(m_maxBodyBytes + 1 - m_body.size());
    return m_body.size() <= m_maxBodyBytes;
}

QString PageFetch::tooLarge() const
{
    return QCoreApplication::translate("web", "response larger than %1 bytes").arg(m_maxBodyBytes);
}

void PageFetch::giveUp(const QString &why)
{
    if (!m_reply || !m_gaveUp.isEmpty())
        return;
    m_gaveUp = why;
    m_reply->abort(); // finishes the reply, which lands in complete()
}

void PageFetch::complete()
{
    QNetworkReply *reply = m_reply.data();
    if (!reply)
        return;
    m_reply = nullptr;
    reply->disconnect(this);
    if (m_gaveUp.isEmpty() && reply->error() == QNetworkReply::NoError && followRedirect(reply)) {
        reply->deleteLater();
        return;
    }
    m_deadline->stop();
    if (m_gaveUp.isEmpty() && !takeBody(reply))
        m_gaveUp = tooLarge();

    FetchResult result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.stoppedAt = m_stoppedAt;
    // As sent: a display form would read GB18030 escapes as UTF-8 where they
    // happen to fit. Cut short, as a keyword of any length makes it long.
    const QString sent = QString::fromLatin1(reply->url().toEncoded());
    const QString address = clipped(sent);
    if (!m_gaveUp.isEmpty()) {
        result.page = failure(m_gaveUp + QStringLiteral(" (") + address + QLatin1Char(')'));
    } else if (result.status >= 400 || (reply->error() == QNetworkReply::NoError &&
                                        (result.status < 200 || result.status > 299))) {
        result.page = failure(QCoreApplication::translate("web", "HTTP status %1 (%2)")
                                  .arg(result.status)
                                  .arg(address));
    } else if (reply->error() == QNetworkReply::NoError && m_body.size() < m_declaredBytes) {
        // Qt may end a reply whose connection closed mid-body without an error.
        result.page = failure(
            QCoreApplication::translate("web", "connection closed after %1 of %2 bytes (%3)")
                .arg(m_body.size())
                .arg(m_declaredBytes)
                .arg(address));
    } else if (reply->error() != QNetworkReply::NoError) {
        QString error = reply->errorString().replace(sent, address);
        if (!error.contains(address))
            error += QStringLiteral(" (") + address + QLatin1Char(')');
        result.page = failure(std::move(error));
    } else {
        result.page = decodePage(m_body, reply->rawHeader("Content-Type"));
    }
    m_body = QByteArray();
    reply->deleteLater();
    deleteLater();
    Q_EMIT finished(result);
}

PageFetcher::PageFetcher(const config::Settings &settings, QObject *parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this)),
      m_timeoutSeconds(settings.timeoutSeconds)
{
    m_network->setProxyFactory(new ProxyChoice(settings.proxy));
    m_network->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

void PageFetcher::sendAllThrough(const QString &proxyUrl)
{
    // A proxy set on the manager outranks the factory and its loopback rule.
    m_network->setProxy(proxyFromUrl(QUrl(proxyUrl)));
}

PageFetcher::~PageFetcher()
{
    // Cancel silently before the network manager takes the replies down with it.
    const QList<PageFetch *> inFlight = findChildren<PageFetch *>(Qt::FindDirectChildrenOnly);
    qDeleteAll(inFlight);
}

PageFetch *PageFetcher::get(const QUrl &url, RedirectStop stop)
{
    return new PageFetch(this, url, m_timeoutSeconds, m_maxBodyBytes, std::move(stop));
}

QNetworkReply *PageFetcher::send(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, kUserAgent);
    request.setRawHeader("Accept", kAccept);
    request.setRawHeader("Accept-Language", kAcceptLanguage);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    return m_network->get(request);
}

} // namespace vantorix::web
