#include "data_table.h"
#include "environment.h"
#include "gbk.h"
#include "http_get.h"
#include "layout/live_markup.h"
#include "layout/page_layout.h"
#include "mining/seed_markers.h"
#include "sandbox/fault_plan.h"
#include "sandbox/http_listener.h"
#include "sandbox/sandbox_options.h"
#include "sandbox/sandbox_server.h"
#include "web/charset.h"
#include "web/urls.h"

#include <QTimer>

using namespace vantorix;
using namespace vantorix::sandbox;
using namespace Qt::StringLiterals;

namespace {

// What the client sees of each fault.
Fault observed(const HttpResult &result)
{
    if (!result.finished || result.error == QNetworkReply::OperationCanceledError)
        return result.status == 200 ? Fault::EndlessBody : Fault::NoAnswer;
    if (result.status == 302)
        return Fault::RedirectLoop;
    if (result.status == 500)
        return Fault::ServerError;
    // Qt may end a reply cut short without an error.
    if (result.error == QNetworkReply::RemoteHostClosedError ||
        result.body.size() < result.declaredLength)
        return Fault::DropConnection;
    if (result.error != QNetworkReply::NoError || result.status != 200 || result.body.isEmpty())
        return Fault(-1);
    if (result.body.size() > 10 * 1024 * 1024)
        return Fault::HugePage;
    return web::decodePage(result.body, result.contentType).malformed ? Fault::InvalidGbk
                                                                      : Fault::None;
}

// Answers "/MS" MS milliseconds later with its path.
void answerLate(const HttpRequest &request, HttpResponder &&out)
{
    QTimer::singleShot(request.target.mid(1).toInt(),
                       [held = std::make_shared<HttpResponder>(std::move(out)),
                        path = request.target] { held->write(200, {}, path); });
}

// An answer as the server writes it; the last one on the connection says so.
QByteArray wire(int status, const QByteArray &body, bool last = false)
{
    HttpResponder::Headers headers{{"Content-Length", QByteArray::number(body.size())}};
    if (last)
        headers.emplaceBack("Connection", "close");
    return HttpResponder::head(status, headers) + body;
}

} // namespace

// The sandbox web: its keyword graph, and over HTTP its pages as the program
// reads them (cut with the program's own markers), its latency, its faults and
// the options that set them.
class TestSandboxWeb : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        clearVantorixEnvironment();
        QVERIFY(m_server.listen());
        QVERIFY(m_live.listen());
    }

    void relatedSearchesAreTheGraphsLinks_data()
    {
        columns<QString, bool>("keyword", "live");
        for (const bool live : {false, true}) {
            const char *layout = live ? "live" : "classic";
            QTest::addRow("%s: long tail with Latin", layout) << u"女生减肥Keep课程"_s << live;
            QTest::addRow("%s: ampersand hash percent plus", layout)
                << u"a&b #c 100% 16+8 /x?y"_s << live;
            QTest::addRow("%s: outside the BMP", layout) << u"𠀋字"_s << live;
            QTest::addRow("%s: line break, quotes, controls", layout)
                << u"a\r\nb \"c\" 'd'\t\x01\x7F\u00A0e"_s << live;
            QTest::addRow("%s: empty keyword, no block", layout) << QString() << live;
        }
    }
    // Each layout reads exactly the graph's links back from the pages served
    // for it. The classic seed query cuts with the marker page's pair (the
    // v3.3 block, not the other version's before it), follow-ups with the
    // built-in pair; today's page gives the same words as links and as s-data
    // JSON. The title shows the keyword reached the server intact: the
    // client's encoding read back by the sandbox's own.
    void relatedSearchesAreTheGraphsLinks()
    {
        QFETCH(QString, keyword);
        QFETCH(bool, live);
        const SandboxServer &server = live ? m_live : m_server;
        const QString markerPage = httpGet(m_manager, web::markerPageUrl(server.host())).text();
        const QStringList markers = mining::parseSeedMarkers(markerPage);
        QCOMPARE(markers, (QStringList{u"<div id=\"rs\">"_s, u"</div>"_s}));
        QVERIFY(markerPage.indexOf(u"[[v3.2--"_s) < markerPage.indexOf(u"[[v3.3--"_s));

        config::Settings settings;
        settings.hosts.setAll(server.host());
        settings.layout = live ? config::LayoutChoice::Live : config::LayoutChoice::Auto;
        const auto layout = layout::chooseLayout(settings);
        const HttpResult answer = httpGet(m_manager, layout->searchUrl(keyword));
        const QString page = web::decodePage(answer.body, answer.contentType).text;
        if (!live) // the classic pages are GBK, and say so
            QVERIFY(answer.contentType == "text/html; charset=gbk" && gbk(page) == answer.body);
        QStringList expected = server.graph().related(keyword);
        for (QString &word : expected) // today's page shows a word as rendered text
            word = live ? layout::liveWord(word) : word.toLower();
        const layout::RelatedSearches followUp = layout->relatedSearches(page, {});
        QCOMPARE(followUp.blockFound, !keyword.isEmpty());
        QCOMPARE(followUp.candidates, expected);
        QCOMPARE(live ? layout::relatedDataWords(page)
                      : layout->relatedSearches(page, markers).candidates,
                 expected);
        QCOMPARE(page.contains(u"<title>"_s + keyword.toHtmlEscaped() + u"_百度搜索"_s),
                 !keyword.isEmpty());

        // The suggestions: the same graph in another draw, whatever the layout.
        const HttpResult suggested = httpGet(m_manager, layout->suggestUrl(keyword));
        QCOMPARE(suggested.contentType, "application/json"_ba);
        QStringList suggestions = server.graph().suggestions(keyword);
        for (QString &word : suggestions)
            word = word.toLower();
        QCOMPARE(layout->suggestions(QString::fromUtf8(suggested.body)).words, suggestions);
        QCOMPARE(suggestions.isEmpty(), keyword.isEmpty());
        QVERIFY(keyword.isEmpty() || suggestions != expected);
    }

    // Raw bytes to the server under the sandbox and all it answers until it
    // closes the connection, which the last request asks for.
    void rawExchanges_data()
    {
        columns<QByteArray, QByteArray>("sent", "answers");
        const auto get = [](const char *path, const QByteArray &headers = "host: x") -> QByteArray {
            return "GET " + QByteArray(path) + " HTTP/1.1\r\n" + headers + "\r\n\r\n";
        };
        const QByteArray end = get("/0", "Host: x\r\nConnection: close");
        const QByteArray bad = wire(400, {}, true);
        QTest::newRow("pipelined, answered in order")
            << get("/300") + get("/20") + "\r\nGET /100 HTTP/1.1\nHOST: x\n\n" + end
            << wire(200, "/300") + wire(200, "/20") + wire(200, "/100") + wire(200, "/0", true);
        QTest::newRow("HEAD without its body, a body skipped")
            << "HEAD /10 HTTP/1.1\r\nHost: x\r\n\r\nPOST /20 HTTP/1.1\r\nHost: x\r\n"
               "Content-Length: 6\r\n\r\nGET /1" +
                   end
            << wire(200, "/10").chopped(3) + wire(200, "/20") + wire(200, "/0", true);
        QTest::newRow("HTTP/1.0 closes")
            << "GET /0 HTTP/1.0\r\n\r\n" + end << wire(200, "/0", true);
        QTest::newRow("bad after good: no Host")
            << get("/50") + get("/0", "") + end << wire(200, "/50") + bad;
        QTest::newRow("two lengths")
            << get("/0", "Host: x\r\nContent-Length: 1\r\nContent-Length: 2") << bad;
        QTest::newRow("space before the colon") << get("/0", "Host : x") << bad;
        QTest::newRow("no version") << "GET /0\r\n\r\n"_ba << bad;
        // Every byte is read, so the connection ends cleanly after the answer.
        QTest::newRow("head over 64 KiB")
            << get("/0") + "GET /0 HTTP/1.1\r\nX: " + QByteArray(65536 + 1 - 20, 'a')
            << wire(200, "/0") + wire(431, {}, true);
    }
    void rawExchanges()
    {
        QFETCH(QByteArray, sent);
        QFETCH(QByteArray, answers);
        HttpListener server(answerLate);
        QTcpSocket client;
        QByteArray received;
        connect(&client, &QTcpSocket::readyRead, this, [&] { received += client.readAll(); });
        client.connectToHost(QHostAddress::LocalHost, server.listen());
        client.write(sent);
        QTRY_COMPARE_WITH_TIMEOUT(client.state(), QAbstractSocket::UnconnectedState, 10000);
        QCOMPARE(received, answers);
    }

    // All requests wait on the server at the same time; then a client goes,
    // and the server itself, while an answer waits.
    void answersThatWait()
    {
        auto slow = std::make_unique<SandboxServer>(SandboxOptions{.latencyMs = 2000});
        QVERIFY(slow->listen());
        QList<QNetworkReply *> replies;
        for (int i = 0; i < 4; ++i)
            replies.append(m_manager.get(
                QNetworkRequest(web::searchUrl(slow->host(), u"减肥"_s + QString::number(i)))));
        QTRY_COMPARE_WITH_TIMEOUT(slow->answersWaiting(), 4, 20000);
        for (QNetworkReply *reply : replies)
            QCOMPARE(readReply(reply).status, 200);
        QCOMPARE(slow->answersWaiting(), 0);

        const QNetworkRequest request(web::searchUrl(slow->host(), u"瘦"_s));
        QNetworkReply *gone = m_manager.get(request);
        QTRY_COMPARE(slow->answersWaiting(), 1);
        gone->abort();
        gone->deleteLater();
        QTRY_COMPARE(slow->answersWaiting(), 0);
        QNetworkReply *waiting = m_manager.get(request);
        QTRY_COMPARE(slow->answersWaiting(), 1);
        slow.reset();
        const HttpResult result = readReply(waiting);
        QVERIFY(result.finished && result.error != QNetworkReply::NoError);
    }

    // Asking the same address again is a new attempt with its own draw, and
    // each kind of fault reaches the client as planned, after the latency.
    void attemptsMeetThePlannedFaults()
    {
        const QList<Fault> all = *parseFaultKinds(u"all"_s);
        SandboxServer server(
            SandboxOptions{.seed = 5, .latencyMs = 50, .failRate = 0.5, .faultKinds = all});
        QVERIFY(server.listen());
        const FaultPlan plan(5, 0.5, all);
        QSet<Fault> met;
        for (int attempt = 1; attempt < 200 && met.size() <= all.size(); ++attempt) {
            const Fault planned = plan.faultFor("/buzz/top10.html", attempt);
            QNetworkAccessManager manager;
            manager.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
            // A request never answered is given up after a short while, any other has all
            // the time it needs.
            const bool hangs = planned == Fault::NoAnswer || planned == Fault::EndlessBody;
            const QUrl url = web::pageUrl(server.host(), "/buzz/top10.html");
            QCOMPARE(observed(httpGet(manager, url, hangs ? 500 : 30000)), planned);
            met.insert(planned);
        }
        QCOMPARE(met.size(), all.size() + 1); // None too
    }

    void optionsRefused()
    {
        for (const char *bad :
             {"--ports=1", "--port=70000", "--fanout=0", "--depth=6", "--fail-rate=1.5",
              "--fail-rate=nan", "stray", "--=1", "--fault-kinds=500,", "--fault-kinds=slow"})
            QVERIFY2(!parseSandboxArguments({QString::fromLatin1(bad)}), bad);
    }

private:
    SandboxServer m_server{SandboxOptions{}};
    SandboxServer m_live{SandboxOptions{.live = true}};
    QNetworkAccessManager m_manager;
};

QTEST_GUILESS_MAIN(TestSandboxWeb)
#include "tst_sandbox_web.moc"
