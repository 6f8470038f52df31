#include "hotwords/page_fetcher.h"
#include "hotwords/urls.h"

#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QPointer>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

using namespace vantorix;
using namespace vantorix::hotwords;
using namespace Qt::StringLiterals;
using Status = QHttpServerResponse::StatusCode;

namespace {

const QString kPage = u"<p>最近七日 热词</p>"_s;

FetchResult fetch(PageFetcher &fetcher, const QUrl &address)
{
    QSignalSpy spy(fetcher.get(address), &PageFetch::finished);
    if (!spy.wait(20000))
        return {false, 0, {}, {}, u"no answer in the test"_s};
    return spy.at(0).at(0).value<FetchResult>();
}

config::Settings localSettings(int timeoutSeconds = 60)
{
    config::Settings settings;
    settings.sandbox = true;
    settings.timeoutSeconds = timeoutSeconds;
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

} // namespace

class TestPageFetcher : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void outcomes_data();
    void outcomes();
    void neverEndingResponse_data();
    void neverEndingResponse();
    void keywordReachesServerIntact_data();
    void keywordReachesServerIntact();
    void throughProxy();
    void severalInFlightAndAbort();

private:
    QUrl url(const QByteArray &path) const { return pageUrl(m_host, path); }

    QHttpServer m_server;
    QString m_host;
    QByteArray m_lastQuery;
};

void TestPageFetcher::initTestCase()
{
    m_server.route(u"/gbk"_s, [] {
        QStringEncoder gb("GB18030");
        return QHttpServerResponse("text/html; charset=gbk", QByteArray(gb.encode(kPage)));
    });
    m_server.route(u"/utf8"_s,
                   [] { return QHttpServerResponse("text/html; charset=utf-8", kPage.toUtf8()); });
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
    m_server.route(u"/slow/<arg>"_s,
                   [](int ms, const QHttpServerRequest &, QHttpServerResponder &&responder) {
                       // The client may be gone when the answer is due.
                       auto held = std::make_shared<QHttpServerResponder>(std::move(responder));
                       QTimer::singleShot(ms, [held, socket = QPointer(held->socket()), ms] {
                           if (socket && socket->state() == QAbstractSocket::ConnectedState)
                               held->write(QByteArray::number(ms), "text/plain");
                       });
                   });
    m_server.route(u"/s"_s, [this](const QHttpServerRequest &request) {
        m_lastQuery = request.url().query(QUrl::FullyEncoded).toLatin1();
        return QHttpServerResponse("text/html",
                                   QByteArray::fromPercentEncoding(m_lastQuery.mid(3)));
    });
    const quint16 port = m_server.listen(QHostAddress::LocalHost, 0);
    QVERIFY(port != 0);
    m_host = u"127.0.0.1:"_s + QString::number(port);
}

void TestPageFetcher::outcomes_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<qint64>("maxBody");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text"); // null: a failed fetch

    const qint64 limit = PageFetcher::kDefaultMaxBodyBytes;
    QTest::newRow("GBK page") << "/gbk"_ba << limit << 200 << kPage;
    QTest::newRow("UTF-8 page") << "/utf8"_ba << limit << 200 << kPage;
    QTest::newRow("500") << "/status/500"_ba << limit << 500 << QString();
    QTest::newRow("404") << "/status/404"_ba << limit << 404 << QString();
    QTest::newRow("204 is a page without text") << "/status/204"_ba << limit << 204 << u""_s;
    QTest::newRow("three redirects followed") << "/redirect/3"_ba << limit << 200 << kPage;
    QTest::newRow("endless redirects fail") << "/redirect/99"_ba << limit << 302 << QString();
    QTest::newRow("body at the limit") << "/size/1000"_ba << 1000LL << 200 << QString(1000, u'a');
    QTest::newRow("body over the limit") << "/size/1001"_ba << 1000LL << 200 << QString();
    QTest::newRow("body over the default limit")
        << "/size/"_ba + QByteArray::number(limit + 1) << limit << 200 << QString();
}

void TestPageFetcher::outcomes()
{
    QFETCH(QByteArray, path);
    QFETCH(qint64, maxBody);
    QFETCH(int, status);
    QFETCH(QString, text);
    PageFetcher fetcher(localSettings());
    fetcher.setMaxBodyBytes(maxBody);
    const FetchResult result = fetch(fetcher, url(path));
    QCOMPARE(result.ok, !text.isNull());
    QCOMPARE(result.error.isEmpty(), result.ok);
    QCOMPARE(result.status, status);
    QCOMPARE(result.text, text.isNull() ? QString() : text);
}

void TestPageFetcher::neverEndingResponse_data()
{
    QTest::addColumn<int>("trickleMs"); // 0: a closed port instead
    QTest::addColumn<QString>("error");
    QTest::newRow("host down") << 0 << u"refused"_s;
    QTest::newRow("silent after the first bytes") << -1 << u"timed out"_s;
    QTest::newRow("a byte now and then, forever") << 100 << u"timed out"_s;
}

void TestPageFetcher::neverEndingResponse()
{
    QFETCH(int, trickleMs);
    QFETCH(QString, error);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    const QString host = u"127.0.0.1:"_s + QString::number(server.serverPort());
    if (trickleMs == 0)
        server.close();
    else
        stall(server, trickleMs);
    PageFetcher fetcher(localSettings(1));
    const FetchResult result = fetch(fetcher, pageUrl(host, "/"));
    QVERIFY(!result.ok);
    QVERIFY(result.text.isEmpty());
    QVERIFY2(result.error.contains(error, Qt::CaseInsensitive), qPrintable(result.error));
    QVERIFY2(result.error.contains(host), qPrintable(result.error));
}

void TestPageFetcher::keywordReachesServerIntact_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::newRow("ampersand, equals, plus") << u"a&wd=b+c"_s;
    QTest::newRow("hash, space, slash") << u"c# 教程/x?y"_s;
    QTest::newRow("percent") << u"100%减肥 %41"_s;
    QTest::newRow("outside the BMP") << u"𠀋字"_s;
}

void TestPageFetcher::keywordReachesServerIntact()
{
    QFETCH(QString, keyword);
    PageFetcher fetcher(localSettings());
    const FetchResult result = fetch(fetcher, searchUrl(m_host, keyword));
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(m_lastQuery.startsWith("wd="));
    QCOMPARE(result.text, keyword); // the server echoes the bytes it decoded
}

void TestPageFetcher::throughProxy()
{
    QTcpServer proxy;
    QByteArray requestLine;
    connect(&proxy, &QTcpServer::newConnection, this, [&] {
        QTcpSocket *socket = proxy.nextPendingConnection();
        connect(socket, &QTcpSocket::readyRead, socket, [socket, &requestLine] {
            requestLine = socket->readLine().trimmed();
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nvia proxy");
        });
    });
    QVERIFY(proxy.listen(QHostAddress::LocalHost, 0));
    config::Settings settings = localSettings();
    settings.proxy = u"http://127.0.0.1:"_s + QString::number(proxy.serverPort());
    PageFetcher fetcher(settings);
    const FetchResult result = fetch(fetcher, pageUrl(u"top.baidu.example"_s, "/buzz/top10.html"));
    QCOMPARE(result.text, u"via proxy"_s);
    QCOMPARE(requestLine, "GET http://top.baidu.example/buzz/top10.html HTTP/1.1"_ba);
    // This machine is reached directly.
    requestLine.clear();
    QCOMPARE(fetch(fetcher, url("/gbk")).text, kPage);
    QCOMPARE(requestLine, QByteArray());
}

void TestPageFetcher::severalInFlightAndAbort()
{
    // Replies come in reverse order; each fetch gets its own, an aborted one
    // none, and a fetcher destroyed mid-flight ends its fetches silently.
    auto fetcher = std::make_unique<PageFetcher>(localSettings());
    const QList<int> delays = {600, 300, 0, 400};
    QStringList answers(delays.size());
    QList<QPointer<PageFetch>> fetches;
    for (qsizetype i = 0; i < delays.size(); ++i) {
        fetches.append(fetcher->get(url("/slow/"_ba + QByteArray::number(delays[i]))));
        connect(fetches.last(), &PageFetch::finished, this,
                [&answers, i](const FetchResult &r) { answers[i] = r.ok ? r.text : r.error; });
    }
    fetches[1]->abort();
    QTRY_COMPARE_WITH_TIMEOUT(answers[0], u"600"_s, 20000);
    QCOMPARE(answers, (QStringList{u"600"_s, QString(), u"0"_s, u"400"_s}));
    QVERIFY(fetches[1].isNull());

    fetcher->get(url("/slow/200"));
    connect(fetcher->get(url("/slow/200")), &PageFetch::finished, this,
            [&answers] { answers[1] = u"late"_s; });
    fetcher.reset();
    QTest::qWait(400);
    QCOMPARE(answers[1], QString());
}

QTEST_GUILESS_MAIN(TestPageFetcher)
#include "tst_page_fetcher.moc"
