#include "hotwords/extract.h"
#include "hotwords/urls.h"
#include "http_get.h"
#include "list/keyword_list.h"
#include "mining/jcf.h"
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
    void relatedBlockCutsWithBothMarkerPairs_data();
    void relatedBlockCutsWithBothMarkerPairs();
    void markerPageGivesTheV33Markers();
    void emptyKeywordHasNoRelatedBlock();
    void hotListsCutToTheirWords_data();
    void hotListsCutToTheirWords();
    void sameOptionsSameBytes();
    void latencyAnswersConcurrently();
    void clientGoneBeforeLatencyEnds();
    void serverGoneWhileAnswersWait();
    void embeddedSandboxServesEveryRole();

private:
    QUrl url(const QByteArray &pathAndQuery) const;

    SandboxServer m_server{SandboxOptions{}};
    QNetworkAccessManager m_manager;
};

QUrl TestSandboxPages::url(const QByteArray &pathAndQuery) const
{
    return hotwords::pageUrl(m_server.host(), pathAndQuery);
}

void TestSandboxPages::initTestCase()
{
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

void TestSandboxPages::relatedBlockCutsWithBothMarkerPairs_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::newRow("default seed") << u"减肥"_s;
    QTest::newRow("long tail with Latin") << u"女生减肥Keep课程"_s;
    QTest::newRow("ampersand hash space") << u"a&b #c d"_s;
    QTest::newRow("percent and plus") << u"100% 16+8"_s;
    QTest::newRow("Chinese with space") << u"产后 减肥"_s;
}

void TestSandboxPages::relatedBlockCutsWithBothMarkerPairs()
{
    // The seed query cuts with the marker page's pair, follow-ups with the
    // built-in pair; both must give exactly the graph's links, which also
    // shows the keyword reached the server intact.
    QFETCH(QString, keyword);
    const QString markerPage = httpGet(m_manager, hotwords::markerPageUrl(m_server.host())).text();
    const QStringList markers = mining::parseSeedMarkers(markerPage);
    QCOMPARE(markers.size(), 2);

    const QString page = httpGet(m_manager, hotwords::searchUrl(m_server.host(), keyword)).text();
    const QString expected = list::joinList(m_server.graph().related(keyword)).toLower();
    QVERIFY(!expected.isEmpty());
    const QString followUpBlock =
        hotwords::ExtractBetween(page, mining::kRelatedStart, mining::kRelatedEnd);
    const QString seedBlock = hotwords::ExtractBetween(page, markers.at(0), markers.at(1));
    QCOMPARE(hotwords::ExtractAllBetween(followUpBlock, mining::kLinkStart, mining::kLinkEnd),
             expected);
    QCOMPARE(hotwords::ExtractAllBetween(seedBlock, mining::kLinkStart, mining::kLinkEnd),
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
    QVERIFY(hotwords::ExtractBetween(page, mining::kRelatedStart, mining::kRelatedEnd).isEmpty());
    QVERIFY(!page.contains(u"<div id=\"rs\">"_s));
}

void TestSandboxPages::hotListsCutToTheirWords_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    const QString anchor = u"\" target=\"_blank\">"_s;
    QTest::newRow("baidu today") << int(HotList::BaiduToday) << u"最近24小时搜索量"_s
                                 << u"</table>"_s;
    QTest::newRow("baidu week") << int(HotList::BaiduWeek) << u"最近七日"_s << u"</table>"_s;
    QTest::newRow("baidu new") << int(HotList::BaiduNew) << u"最近七日"_s << u"</table>"_s;
    QTest::newRow("baidu last month")
        << int(HotList::BaiduLastMonth) << u"最近七日"_s << u"</table>"_s;
    QTest::newRow("sogou today") << int(HotList::SogouToday) << u"今日搜索"_s << u"</HTML>"_s;
    QTest::newRow("sogou week") << int(HotList::SogouWeek) << u"今日搜索"_s << u"</HTML>"_s;
}

void TestSandboxPages::hotListsCutToTheirWords()
{
    QFETCH(int, list);
    QFETCH(QString, start);
    QFETCH(QString, end);
    const auto hotList = static_cast<HotList>(list);
    const QString page = httpGet(m_manager, url(hotListPath(hotList).toLatin1())).text();
    const QString section = hotwords::ExtractBetween(page, start, end);
    QString words;
    if (isSogouList(hotList)) {
        const QString cells = hotwords::ExtractAllBetween(
            section, u"<td><a href=\"http://"_s + m_server.host() + u"/web"_s, u"</td>"_s);
        words = hotwords::ExtractAllBetween(cells, u"\">"_s, u"</a>"_s);
    } else {
        words = hotwords::ExtractAllBetween(section, u"\" target=\"_blank\">"_s, u"</a>"_s);
    }
    const QStringList expected = hotListWords(hotList, m_server.options().seed);
    QVERIFY(expected.size() >= 20);
    QVERIFY(std::any_of(expected.cbegin(), expected.cend(),
                        [](const QString &word) { return word != word.toLower(); }));
    QCOMPARE(words, list::joinList(expected).toLower());
    // Other links on the page would add words if the layout let them in.
    QVERIFY(page.count(u"</a>"_s) > expected.size());
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
    const Result<QString> host = startEmbeddedSandbox(&owner);
    QVERIFY2(host, qPrintable(host.error()));
    QVERIFY(host->startsWith(u"127.0.0.1:"_s));
    QCOMPARE(httpGet(m_manager, hotwords::markerPageUrl(*host)).status, 200);
    QCOMPARE(httpGet(m_manager, hotwords::pageUrl(*host, "/buzz/top10.html")).status, 200);
}

QTEST_GUILESS_MAIN(TestSandboxPages)
#include "tst_sandbox_pages.moc"
