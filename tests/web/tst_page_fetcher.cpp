#include "data_table.h"
#include "environment.h"
#include "forwarding_proxy.h"
#include "gbk.h"
#include "hosts.h"
#include "sandbox/http_listener.h"
#include "web/page_fetcher.h"
#include "web/urls.h"

#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

using namespace vantorix;
using namespace vantorix::web;
using namespace vantorix::sandbox;
using namespace Qt::StringLiterals;

namespace {

const QString kPage = u"<p>最近七日 热词</p>"_s;

FetchResult fetch(PageFetcher &fetcher, const QUrl &address)
{
    QSignalSpy spy(fetcher.get(address), &PageFetch::finished);
    if (!spy.wait(20000))
        return {failure(u"no answer in the test"_s), 0, {}};
    return spy.at(0).at(0).value<FetchResult>();
}

// The page text, or why the fetch failed.
QString answer(const FetchResult &result)
{
    return result.page ? result.page->text : result.page.error();
}

// The test's site: the path's first part picks the page, the second is its number.
void site(const HttpRequest &request, HttpResponder &&out)
{
    const QList<QByteArray> path = request.target.split('/');
    const QByteArray page = path.value(1);
    const qint64 n = path.value(2).toLongLong();
    if (page == "gbk")
        return out.write(200, {{"Content-Type", "text/html; charset=gbk"}}, gbk(kPage));
    if (page == "status")
        return out.write(int(n), {{"Content-Type", "text/html"}}, "<p>page</p>");
    if (page == "redirect")
        return out.write(302, {{"Location", n > 1 ? "/redirect/" + QByteArray::number(n - 1)
                                                  : QByteArray("/gbk")}});
    if (page == "size")
        return out.write(200, {{"Content-Type", "text/plain"}}, QByteArray(n, 'a'));
    // A body without a declared length, ended by closing the connection, or
    // half of the declared body before the connection closes.
    if (page == "unsized" || page == "cut") {
        const QByteArray head = page == "cut" ? "Content-Length: " + QByteArray::number(n)
                                              : QByteArray("Connection: close");
        out.writeRaw("HTTP/1.1 200 OK\r\n" + head + "\r\n\r\n" +
                     QByteArray(page == "cut" ? n / 2 : n, 'a'));
        return out.socket()->disconnectFromHost();
    }
    // Headers and the start of a long body, then nothing more (or a byte every
    // N ms), keeping the connection open.
    if (page == "stall") {
        out.writeRaw("HTTP/1.1 200 OK\r\nContent-Length: 9999999\r\n\r\n<html>");
        auto *trickle = new QTimer(out.socket());
        QObject::connect(
            trickle, &QTimer::timeout, trickle,
            [held = std::make_shared<HttpResponder>(std::move(out))] { held->writeRaw("x"); });
        if (n > 0)
            trickle->start(int(n));
        return;
    }
    // "slow": the client may be gone when the answer is due.
    QTimer::singleShot(n, [held = std::make_shared<HttpResponder>(std::move(out)), n] {
        held->write(200, {{"Content-Type", "text/plain"}}, QByteArray::number(n));
    });
}

config::Settings withTimeout(int seconds)
{
    config::Settings settings;
    settings.timeoutSeconds = seconds;
    return settings;
}

} // namespace

class TestPageFetcher : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        clearVantorixEnvironment();
        const quint16 port = m_server.listen();
        QVERIFY(port != 0);
        m_host = loopbackHost(port);

        // An https site whose certificate this process trusts.
        const QList<QSslCertificate> certificate =
            QSslCertificate::fromPath(QStringLiteral(VANTORIX_TEST_DATA "/localhost.crt"));
        QFile key(QStringLiteral(VANTORIX_TEST_DATA "/localhost.key"));
        QVERIFY(certificate.size() == 1 && key.open(QIODevice::ReadOnly));
        QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
        auto *tls = new QSslServer;
        QSslConfiguration served = trusting;
        served.setLocalCertificate(certificate.first());
        served.setPrivateKey(QSslKey(&key, QSsl::Ec));
        tls->setSslConfiguration(served);
        trusting.addCaCertificates(certificate);
        QSslConfiguration::setDefaultConfiguration(trusting);
        m_tls = std::make_unique<HttpListener>(
            [this](const HttpRequest &request, HttpResponder &&out) {
                const QByteArray secure =
                    "https://127.0.0.1:" + QByteArray::number(m_tlsPort) + "/page";
                const QByteArray plain = "http://" + m_host.toLatin1() + "/gbk";
                if (request.target == "/page")
                    return out.write(200, {{"Content-Type", "text/html"}}, gbk(kPage));
                out.write(302, {{"Location", request.target == "/to/https" ? secure : plain}});
            },
            tls);
        m_tlsPort = m_tls->listen();
        QVERIFY(m_tlsPort != 0);
    }

    void outcomes_data()
    {
        // text: null for a failed fetch; error: a network failure within a 1 s
        // time-out, named in the reason with the host
        columns<QByteArray, qint64, int, QString, QString>("path", "maxBody", "status", "text",
                                                           "error");
        const qint64 limit = PageFetcher::kDefaultMaxBodyBytes;
        const QString failed;
        QTest::newRow("500") << "/status/500"_ba << limit << 500 << failed << QString();
        QTest::newRow("three redirects followed")
            << "/redirect/3"_ba << limit << 200 << kPage << QString();
        QTest::newRow("endless redirects fail")
            << "/redirect/99"_ba << limit << 302 << failed << QString();
        QTest::newRow("body at the limit")
            << "/size/1000"_ba << 1000LL << 200 << QString(1000, u'a') << QString();
        QTest::newRow("body over the limit")
            << "/size/1001"_ba << 1000LL << 200 << failed << QString();
        QTest::newRow("unsized body at the limit")
            << "/unsized/1000"_ba << 1000LL << 200 << QString(1000, u'a') << QString();
        QTest::newRow("unsized body over the limit")
            << "/unsized/5000"_ba << 1000LL << 200 << failed << QString();
        QTest::newRow("body cut short") << "/cut/4000"_ba << limit << 200 << failed << QString();
        QTest::newRow("host down") << "/closed"_ba << limit << 0 << failed << u"refused"_s;
        QTest::newRow("silent after the first bytes")
            << "/stall/-1"_ba << limit << 200 << failed << u"timed out"_s;
        QTest::newRow("a byte now and then, forever")
            << "/stall/100"_ba << limit << 200 << failed << u"timed out"_s;
    }
    void outcomes()
    {
        QFETCH(QByteArray, path);
        QFETCH(qint64, maxBody);
        QFETCH(QString, text);
        QFETCH(QString, error);
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        closed.close();
        const QString host = path == "/closed" ? loopbackHost(closed.serverPort()) : m_host;
        PageFetcher fetcher(withTimeout(error.isEmpty() ? 60 : 1));
        fetcher.setMaxBodyBytes(maxBody);
        const FetchResult result = fetch(fetcher, pageUrl(host, path));
        QCOMPARE(result.page.ok(), !text.isNull());
        QCOMPARE(result.page.error().isEmpty(), result.page.ok());
        QTEST(result.status, "status");
        QCOMPARE(result.page ? result.page->text : QString(), text);
        const QString why = result.page.error();
        QVERIFY2(why.contains(error, Qt::CaseInsensitive) &&
                     (error.isEmpty() || why.contains(host)),
                 qPrintable(why));
    }

    void noRedirectFromHttpsToHttp()
    {
#ifdef Q_OS_WIN
        QSKIP("Schannel serves no certificate from a PEM file, so the test site has no TLS");
#endif
        PageFetcher fetcher(withTimeout(60));
        const QString site = u"https://127.0.0.1:"_s + QString::number(m_tlsPort);
        QCOMPARE(answer(fetch(fetcher, QUrl(site + u"/to/https"_s))), kPage);
        const FetchResult result = fetch(fetcher, QUrl(site + u"/to/http"_s));
        QVERIFY(!result.page);
        QVERIFY2(result.page.error().contains(u"redirect"_s, Qt::CaseInsensitive),
                 qPrintable(result.page.error()));
    }

    void throughProxy_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::newRow("HTTP proxy") << u"http"_s;
        QTest::newRow("SOCKS5 proxy") << u"socks5"_s;
    }

    // The proxy is asked for the name, not an address; this machine is reached directly.
    void throughProxy()
    {
        QFETCH(QString, scheme);
        ForwardingProxy proxy;
        QVERIFY(proxy.listen());
        proxy.divertTo(m_server.port());
        config::Settings settings = withTimeout(60);
        settings.proxy = proxy.url(scheme);
        PageFetcher fetcher(settings);
        QCOMPARE(answer(fetch(fetcher, pageUrl(u"top.baidu.example"_s, "/gbk"))), kPage);
        QCOMPARE(answer(fetch(fetcher, url("/gbk"))), kPage);
        QCOMPARE(proxy.asked, QStringList{u"top.baidu.example:80"_s});
    }

    void severalInFlightAndAbort()
    {
        // Replies come in reverse order; each fetch gets its own, an aborted one
        // none, and a fetcher destroyed mid-flight ends its fetches silently.
        auto fetcher = std::make_unique<PageFetcher>(withTimeout(60));
        const QList<int> delays = {600, 300, 0, 400};
        QStringList answers(delays.size());
        QList<QPointer<PageFetch>> fetches;
        for (qsizetype i = 0; i < delays.size(); ++i) {
            fetches.append(fetcher->get(url("/slow/"_ba + QByteArray::number(delays[i]))));
            connect(fetches.last(), &PageFetch::finished, this,
                    [&answers, i](const FetchResult &r) { answers[i] = answer(r); });
        }
        fetches[1]->abort();
        QTRY_COMPARE_WITH_TIMEOUT(answers[0], u"600"_s, 20000);
        QCOMPARE(answers, (QStringList{u"600"_s, QString(), u"0"_s, u"400"_s}));
        QVERIFY(fetches[1].isNull());

        connect(fetcher->get(url("/slow/100")), &PageFetch::finished, this,
                [&answers] { answers[1] = u"late"_s; });
        fetcher.reset();
        // A later answer has come; the destroyed fetcher's never does.
        PageFetcher other(withTimeout(60));
        QCOMPARE(answer(fetch(other, url("/slow/300"))), u"300"_s);
        QCOMPARE(answers[1], QString());
    }

private:
    QUrl url(const QByteArray &path) const
    {
        return pageUrl(m_host, path);
    }

    HttpListener m_server{site};
    std::unique_ptr<HttpListener> m_tls;
    QString m_host;
    quint16 m_tlsPort = 0;
};

QTEST_GUILESS_MAIN(TestPageFetcher)
#include "tst_page_fetcher.moc"
