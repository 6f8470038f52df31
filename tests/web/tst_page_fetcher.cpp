#include "environment.h"
#include "gbk.h"
#include "hosts.h"
#include "web/page_fetcher.h"
#include "web/urls.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QPointer>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QtEndian>

using namespace vantorix;
using namespace vantorix::web;
using namespace Qt::StringLiterals;
using Status = QHttpServerResponse::StatusCode;

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

config::Settings withTimeout(int seconds)
{
    config::Settings settings;
    settings.timeoutSeconds = seconds;
    return settings;
}

// Answers with headers and the start of a long body, then nothing more (or a
// byte every `trickleMs`), keeping the connection open.
void stall(QTcpServer &server, int trickleMs)
{
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server, trickleMs] {
        QTcpSocket *socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, trickleMs] {
            socket->readAll();
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: 9999999\r\n\r\n<html>");
            if (trickleMs > 0) {
                auto *timer = new QTimer(socket);
                QObject::connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x"); });
                timer->start(trickleMs);
            }
        });
    });
}

// A proxy that is also the far server: it answers every request itself and
// keeps what it was asked. SOCKS5 when the first byte says so (no
// authentication, CONNECT by name), an HTTP proxy otherwise. Each message of
// the client is one small write, which the loopback hands over whole.
class FakeProxy : public QTcpServer
{
public:
    QByteArray asked; // SOCKS: "HOST:PORT ", then the request line

    FakeProxy()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = nextPendingConnection();
            connect(
                socket, &QTcpSocket::readyRead, socket, [this, socket, greeted = false]() mutable {
                    const QByteArray in = socket->readAll();
                    if (in.startsWith('\x05') && !greeted) {
                        greeted = true;
                        socket->write("\x05\x00", 2);
                    } else if (in.startsWith("\x05\x01\x00\x03")) {
                        const int length = uchar(in[4]);
                        const quint16 port = qFromBigEndian<quint16>(in.constData() + 5 + length);
                        asked = in.mid(5, length) + ':' + QByteArray::number(port) + ' ';
                        socket->write("\x05\x00\x00\x01\x00\x00\x00\x00\x00\x00", 10);
                    } else {
                        asked += in.left(in.indexOf("\r\n"));
                        socket->write("HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nvia proxy");
                    }
                });
        });
        listen(QHostAddress::LocalHost, 0);
    }
};

} // namespace

class TestPageFetcher : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        clearVantorixEnvironment();
        m_server.route(u"/gbk"_s,
                       [] { return QHttpServerResponse("text/html; charset=gbk", gbk(kPage)); });
        m_server.route(u"/utf8"_s, [] {
            return QHttpServerResponse("text/html; charset=utf-8", kPage.toUtf8());
        });
        m_server.route(u"/status/<arg>"_s, [](int code) {
            return QHttpServerResponse("text/html", "<p>page</p>"_ba, Status(code));
        });
        m_server.route(u"/redirect/<arg>"_s, [](int hops) {
            QHttpServerResponse response(Status::Found);
            response.setHeader("Location", hops > 1 ? "/redirect/" + QByteArray::number(hops - 1)
                                                    : QByteArray("/gbk"));
            return response;
        });
        m_server.route(u"/size/<arg>"_s, [](qint64 bytes) {
            return QHttpServerResponse("text/plain", QByteArray(bytes, 'a'));
        });
        // A body without a declared length, ended by closing the connection.
        m_server.route(u"/unsized/<arg>"_s,
                       [](qint64 bytes, const QHttpServerRequest &, QHttpServerResponder &&out) {
                           out.writeStatusLine();
                           out.writeHeader("Connection", "close");
                           out.writeBody(QByteArray(bytes, 'a'));
                           out.socket()->disconnectFromHost();
                       });
        // Half of the declared body, then the connection closes.
        m_server.route(u"/cut/<arg>"_s,
                       [](qint64 bytes, const QHttpServerRequest &, QHttpServerResponder &&out) {
                           out.writeStatusLine();
                           out.writeHeader("Content-Length", QByteArray::number(bytes));
                           out.writeBody(QByteArray(bytes / 2, 'a'));
                           out.socket()->disconnectFromHost();
                       });
        m_server.route(u"/slow/<arg>"_s,
                       [](int ms, const QHttpServerRequest &, QHttpServerResponder &&responder) {
                           // The client may be gone when the answer is due.
                           auto held = std::make_shared<QHttpServerResponder>(std::move(responder));
                           QTimer::singleShot(ms, [held, socket = QPointer(held->socket()), ms] {
                               if (socket && socket->state() == QAbstractSocket::ConnectedState)
                                   held->write(QByteArray::number(ms), "text/plain");
                           });
                       });
        const quint16 port = m_server.listen(QHostAddress::LocalHost, 0);
        QVERIFY(port != 0);
        m_host = loopbackHost(port);

        // An https site whose certificate this process trusts.
        const QList<QSslCertificate> certificate =
            QSslCertificate::fromPath(QStringLiteral(VANTORIX_TEST_DATA "/localhost.crt"));
        QFile key(QStringLiteral(VANTORIX_TEST_DATA "/localhost.key"));
        QVERIFY(certificate.size() == 1 && key.open(QIODevice::ReadOnly));
        m_tls.sslSetup(certificate.first(), QSslKey(&key, QSsl::Ec));
        QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
        trusting.addCaCertificates(certificate);
        QSslConfiguration::setDefaultConfiguration(trusting);
        m_tls.route(u"/page"_s, [] { return QHttpServerResponse("text/html", gbk(kPage)); });
        m_tls.route(u"/to/<arg>"_s, [this](const QString &scheme) {
            QHttpServerResponse response(Status::Found);
            const QByteArray secure =
                "https://127.0.0.1:" + QByteArray::number(m_tlsPort) + "/page";
            const QByteArray plain = "http://" + m_host.toLatin1() + "/gbk";
            response.setHeader("Location", scheme == u"https"_s ? secure : plain);
            return response;
        });
        m_tlsPort = m_tls.listen(QHostAddress::LocalHost, 0);
        QVERIFY(m_tlsPort != 0);
    }

    void outcomes_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<qint64>("maxBody");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text"); // null: a failed fetch

        const qint64 limit = PageFetcher::kDefaultMaxBodyBytes;
        QTest::newRow("UTF-8 page") << "/utf8"_ba << limit << 200 << kPage;
        QTest::newRow("500") << "/status/500"_ba << limit << 500 << QString();
        QTest::newRow("three redirects followed") << "/redirect/3"_ba << limit << 200 << kPage;
        QTest::newRow("endless redirects fail") << "/redirect/99"_ba << limit << 302 << QString();
        QTest::newRow("body at the limit")
            << "/size/1000"_ba << 1000LL << 200 << QString(1000, u'a');
        QTest::newRow("body over the limit") << "/size/1001"_ba << 1000LL << 200 << QString();
        QTest::newRow("unsized body at the limit")
            << "/unsized/1000"_ba << 1000LL << 200 << QString(1000, u'a');
        QTest::newRow("unsized body over the limit")
            << "/unsized/5000"_ba << 1000LL << 200 << QString();
        QTest::newRow("body cut short") << "/cut/4000"_ba << limit << 200 << QString();
    }

    void outcomes()
    {
        QFETCH(QByteArray, path);
        QFETCH(qint64, maxBody);
        QFETCH(int, status);
        QFETCH(QString, text);
        PageFetcher fetcher(withTimeout(60));
        fetcher.setMaxBodyBytes(maxBody);
        const FetchResult result = fetch(fetcher, url(path));
        QCOMPARE(result.page.ok(), !text.isNull());
        QCOMPARE(result.page.error().isEmpty(), result.page.ok());
        QCOMPARE(result.status, status);
        QCOMPARE(result.page ? result.page->text : QString(), text);
    }

    void neverEndingResponse_data()
    {
        QTest::addColumn<int>("trickleMs"); // 0: a closed port instead
        QTest::addColumn<QString>("error");
        QTest::newRow("host down") << 0 << u"refused"_s;
        QTest::newRow("silent after the first bytes") << -1 << u"timed out"_s;
        QTest::newRow("a byte now and then, forever") << 100 << u"timed out"_s;
    }

    void neverEndingResponse()
    {
        QFETCH(int, trickleMs);
        QFETCH(QString, error);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        const QString host = loopbackHost(server.serverPort());
        if (trickleMs == 0)
            server.close();
        else
            stall(server, trickleMs);
        PageFetcher fetcher(withTimeout(1));
        const FetchResult result = fetch(fetcher, pageUrl(host, "/"));
        QVERIFY(!result.page);
        const QString why = result.page.error();
        QVERIFY2(why.contains(error, Qt::CaseInsensitive), qPrintable(why));
        QVERIFY2(why.contains(host), qPrintable(why));
    }

    void noRedirectFromHttpsToHttp()
    {
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
        QTest::addColumn<QByteArray>("asked");
        QTest::newRow("HTTP proxy")
            << u"http"_s << "GET http://top.baidu.example/buzz/top10.html HTTP/1.1"_ba;
        QTest::newRow("SOCKS5 proxy")
            << u"socks5"_s << "top.baidu.example:80 GET /buzz/top10.html HTTP/1.1"_ba;
    }

    void throughProxy()
    {
        QFETCH(QString, scheme);
        QFETCH(QByteArray, asked);
        FakeProxy proxy;
        QVERIFY(proxy.isListening());
        config::Settings settings = withTimeout(60);
        settings.proxy = scheme + u"://"_s + loopbackHost(proxy.serverPort());
        PageFetcher fetcher(settings);
        const FetchResult result =
            fetch(fetcher, pageUrl(u"top.baidu.example"_s, "/buzz/top10.html"));
        QCOMPARE(answer(result), u"via proxy"_s);
        QCOMPARE(proxy.asked, asked);
        // This machine is reached directly.
        proxy.asked.clear();
        QCOMPARE(answer(fetch(fetcher, url("/gbk"))), kPage);
        QCOMPARE(proxy.asked, QByteArray());
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
    QUrl url(const QByteArray &path) const { return pageUrl(m_host, path); }

    QHttpServer m_server;
    QHttpServer m_tls;
    QString m_host;
    quint16 m_tlsPort = 0;
};

QTEST_GUILESS_MAIN(TestPageFetcher)
#include "tst_page_fetcher.moc"
