#include "hotwords/charset.h"
#include "hotwords/extract.h"
#include "hotwords/urls.h"
#include "http_get.h"
#include "layout/live_markup.h"
#include "layout/page_layout.h"
#include "list/keyword_list.h"
#include "mining/seed_markers.h"
#include "sandbox/embedded.h"
#include "sandbox/hot_lists.h"
#include "sandbox/sandbox_server.h"

#include <QStringEncoder>

using namespace vantorix;
using namespace vantorix::sandbox;
using namespace Qt::StringLiterals;

class TestSandboxPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyPageIsGbkHtml_data();
    void everyPageIsGbkHtml();
    void relatedSearchesAreTheGraphsLinks_data();
    void relatedSearchesAreTheGraphsLinks();
    void markerPageGivesTheV33Markers();
    void emptyKeywordHasNoRelatedBlock();
    void hotListsReadToTheirWords_data();
    void hotListsReadToTheirWords();
    void sameOptionsSameBytes();
    void latencyAnswersConcurrently();
    void clientGoneBeforeLatencyEnds();
    void serverGoneWhileAnswersWait();
    void embeddedSandboxServesEveryRole();

private:
    QUrl url(const QByteArray &pathAndQuery) const;

    SandboxServer m_server{SandboxOptions{}};
    SandboxServer m_live{SandboxOptions{.live = true}};
    QNetworkAccessManager m_manager;
};

QUrl TestSandboxPages::url(const QByteArray &pathAndQuery) const
{
    return hotwords::pageUrl(m_server.host(), pathAndQuery);
}

// The layout a client with every host on `server` reads it with.
std::shared_ptr<const layout::PageLayout> layoutFor(const SandboxServer &server)
{
    config::Settings settings;
    settings.hosts.setAll(server.host());
    settings.layout =
        server.options().live ? config::LayoutChoice::Live : config::LayoutChoice::Classic;
    return layout::chooseLayout(settings);
}

void TestSandboxPages::initTestCase()
{
    QVERIFY(m_live.listen());
    QVERIFY(m_server.listen());
    QVERIFY(m_server.port() != 0);
}

void TestSandboxPages::everyPageIsGbkHtml_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("mustHold");
    QTest::newRow("result page") << QByteArray("/s?wd=%BC%F5%B7%CA") << 200
                                 << u"<th>相关搜索</th>"_s;
    QTest::newRow("marker page") << QByteArray("/banben.htm?bb=v3.3") << 200 << u"[[v3.3--"_s;
    QTest::newRow("home page") << QByteArray("/?bb=v3.3") << 200 << u"长尾关键词"_s;
    QTest::newRow("sogou search") << QByteArray("/web?query=%BC%F5%B7%CA") << 200
                                  << u"减肥 - 搜狗"_s;
    for (const HotList list : kAllHotLists)
        QTest::newRow(qPrintable(hotListPath(list)))
            << hotListPath(list).toLatin1() << 200 << u"搜索风云榜"_s;
    QTest::newRow("unknown path") << QByteArray("/buzz/nothing.html") << 404 << u"404"_s;
}

void TestSandboxPages::everyPageIsGbkHtml()
{
    QFETCH(QByteArray, path);
    QFETCH(int, status);
    QFETCH(QString, mustHold);
    const HttpResult result = httpGet(m_manager, url(path));
    QCOMPARE(result.status, status);
    QCOMPARE(result.contentType, QByteArray("text/html; charset=gbk"));
    QVERIFY(result.text().contains(mustHold));
    QStringEncoder encoder("GB18030");
    QCOMPARE(QByteArray(encoder.encode(result.text())), result.body);
}

void TestSandboxPages::relatedSearchesAreTheGraphsLinks_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<bool>("live");
    for (const bool live : {false, true}) {
        const char *layout = live ? "live " : "classic ";
        QTest::addRow("%sdefault seed", layout) << u"减肥"_s << live;
        QTest::addRow("%slong tail with Latin", layout) << u"女生减肥Keep课程"_s << live;
        QTest::addRow("%sampersand hash space", layout) << u"a&b #c d"_s << live;
        QTest::addRow("%spercent and plus", layout) << u"100% 16+8"_s << live;
        QTest::addRow("%sChinese with space", layout) << u"产后 减肥"_s << live;
    }
}

void TestSandboxPages::relatedSearchesAreTheGraphsLinks()
{
    // Each layout reads the graph's links back from its pages, which also
    // shows the keyword reached the server intact. The classic seed query
    // cuts with the marker page's pair, follow-ups with the built-in pair;
    // the live page gives the same words as links and as s-data JSON.
    QFETCH(QString, keyword);
    QFETCH(bool, live);
    const SandboxServer &server = live ? m_live : m_server;
    const auto layout = layoutFor(server);
    const QStringList markers =
        mining::parseSeedMarkers(httpGet(m_manager, hotwords::markerPageUrl(server.host())).text());
    QCOMPARE(markers.size(), 2);

    const HttpResult answer = httpGet(m_manager, layout->searchUrl(keyword));
    const QString page = hotwords::decodePage(answer.body, answer.contentType);
    QStringList expected = server.graph().related(keyword);
    QVERIFY(!expected.isEmpty());
    for (QString &word : expected)
        word = word.toLower();
    QCOMPARE(layout->relatedSearches(page, {}).candidates, expected);
    QCOMPARE(live ? layout::relatedDataWords(page)
                  : layout->relatedSearches(page, markers).candidates,
             expected);
    QVERIFY(page.contains(u"<title>"_s + keyword.toHtmlEscaped() + u"_百度搜索"_s));
}

void TestSandboxPages::markerPageGivesTheV33Markers()
{
    const QString page = httpGet(m_manager, url("/banben.htm?bb=v3.3")).text();
    QCOMPARE(mining::parseSeedMarkers(page), (QStringList{u"<div id=\"rs\">"_s, u"</div>"_s}));
    QVERIFY(page.contains(u"[[v3.2--"_s));
    QVERIFY(page.indexOf(u"[[v3.2--"_s) < page.indexOf(u"[[v3.3--"_s));
}

void TestSandboxPages::emptyKeywordHasNoRelatedBlock()
{
    const QString page = httpGet(m_manager, url("/s?wd=")).text();
    QVERIFY(page.contains(u"百度一下"_s));
    QVERIFY(!layoutFor(m_server)->relatedSearches(page, {}).blockFound);
    QVERIFY(!page.contains(u"<div id=\"rs\">"_s));
}

void TestSandboxPages::hotListsReadToTheirWords_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("live");
    for (const hotwords::HotwordSource &source : hotwords::hotwordSources())
        QTest::newRow(qPrintable(source.name)) << source.name << false;
    QTest::newRow("live baidu-today") << u"baidu-today"_s << true;
    QTest::newRow("live sogou-today") << u"sogou-today"_s << true;
}

void TestSandboxPages::hotListsReadToTheirWords()
{
    QFETCH(QString, source);
    QFETCH(bool, live);
    const SandboxServer &server = live ? m_live : m_server;
    const hotwords::HotwordSource &chosen = *hotwords::sourceByName(source);
    const auto reading = layoutFor(server)->hotlist(chosen);
    QVERIFY(reading);
    const HttpResult answer = httpGet(m_manager, reading->url);
    const QString page = hotwords::decodePage(answer.body, answer.contentType);
    const QStringList expected =
        hotListWords(*hotListForPath(QString::fromLatin1(chosen.path)), server.options().seed);
    QVERIFY(expected.size() >= 20);
    QVERIFY(std::any_of(expected.cbegin(), expected.cend(),
                        [](const QString &word) { return word != word.toLower(); }));
    QCOMPARE(reading->wordList(page), list::joinList(expected).toLower());
    // Other links on a classic page would add words if the layout let them in.
    QVERIFY(live || page.count(u"</a>"_s) > expected.size());
}

void TestSandboxPages::sameOptionsSameBytes()
{
    SandboxOptions options;
    options.seed = 42;
    SandboxServer twin(options);
    QVERIFY(twin.listen());
    SandboxOptions otherSeed;
    otherSeed.seed = 43;
    SandboxServer other(otherSeed);
    QVERIFY(other.listen());
    SandboxServer again(options);
    QVERIFY(again.listen());
    for (const QByteArray &path : {QByteArray("/s?wd=%BC%F5%B7%CA"), QByteArray("/buzz/top10.html"),
                                   QByteArray("/banben.htm?bb=v3.3")}) {
        const QByteArray a = httpGet(m_manager, hotwords::pageUrl(twin.host(), path)).body;
        const QByteArray b = httpGet(m_manager, hotwords::pageUrl(again.host(), path)).body;
        QCOMPARE(a, b);
    }
    const QByteArray seeded =
        httpGet(m_manager, hotwords::pageUrl(twin.host(), "/s?wd=%BC%F5%B7%CA")).body;
    const QByteArray reseeded =
        httpGet(m_manager, hotwords::pageUrl(other.host(), "/s?wd=%BC%F5%B7%CA")).body;
    QVERIFY(seeded != reseeded);
}

void TestSandboxPages::latencyAnswersConcurrently()
{
    // All requests wait on the server at the same time: none is answered
    // before the others have arrived.
    SandboxOptions options;
    options.latencyMs = 1500;
    SandboxServer slow(options);
    QVERIFY(slow.listen());
    QList<QNetworkReply *> replies;
    for (int i = 0; i < 4; ++i)
        replies.append(m_manager.get(
            QNetworkRequest(hotwords::searchUrl(slow.host(), u"减肥"_s + QString::number(i)))));
    QTRY_COMPARE_WITH_TIMEOUT(slow.answersWaiting(), 4, 1400);
    for (QNetworkReply *reply : replies)
        QVERIFY(!reply->isFinished());
    for (QNetworkReply *reply : replies) {
        const HttpResult result = readReply(reply);
        QCOMPARE(result.status, 200);
    }
    QCOMPARE(slow.answersWaiting(), 0);
}

void TestSandboxPages::clientGoneBeforeLatencyEnds()
{
    SandboxOptions options;
    options.latencyMs = 300;
    SandboxServer slow(options);
    QVERIFY(slow.listen());
    QNetworkReply *reply =
        m_manager.get(QNetworkRequest(hotwords::searchUrl(slow.host(), u"瘦"_s)));
    QTRY_COMPARE(slow.answersWaiting(), 1);
    reply->abort();
    reply->deleteLater();
    QTRY_COMPARE(slow.answersWaiting(), 0);
    QCOMPARE(httpGet(m_manager, hotwords::searchUrl(slow.host(), u"瘦"_s)).status, 200);
}

void TestSandboxPages::serverGoneWhileAnswersWait()
{
    SandboxOptions options;
    options.latencyMs = 5000;
    auto *slow = new SandboxServer(options);
    QVERIFY(slow->listen());
    QNetworkReply *reply =
        m_manager.get(QNetworkRequest(hotwords::searchUrl(slow->host(), u"胖"_s)));
    QTRY_COMPARE(slow->answersWaiting(), 1);
    delete slow;
    const HttpResult result = readReply(reply);
    QVERIFY(result.finished);
    QVERIFY(result.error != QNetworkReply::NoError);
}

void TestSandboxPages::embeddedSandboxServesEveryRole()
{
    QObject owner;
    config::Settings settings;
    for (const bool live : {false, true}) {
        settings.layout = live ? config::LayoutChoice::Live : config::LayoutChoice::Auto;
        const Result<QString> host = startEmbeddedSandbox(&owner, settings);
        QVERIFY2(host, qPrintable(host.error()));
        QVERIFY(host->startsWith(u"127.0.0.1:"_s));
        QCOMPARE(httpGet(m_manager, hotwords::markerPageUrl(*host)).status, 200);
        // Today's engines serve the board page; the classic lists are gone.
        QCOMPARE(httpGet(m_manager, hotwords::pageUrl(*host, "/buzz/top10.html")).status,
                 live ? 404 : 200);
        QCOMPARE(httpGet(m_manager, hotwords::pageUrl(*host, "/board?tab=realtime")).status,
                 live ? 200 : 404);
    }
}

QTEST_GUILESS_MAIN(TestSandboxPages)
#include "tst_sandbox_pages.moc"
