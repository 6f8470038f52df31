#include "config/settings.h"
#include "layout/live_hotlists.h"
#include "layout/live_markup.h"
#include "layout/page_layout.h"

#include <QTest>

using namespace vantorix;
using namespace Qt::StringLiterals;

namespace {

// A result page's related block in the shape of each era (2015 and 2020:
// "div.tt" and links in <th>; since 2021: "&amp;" in addresses, spans in the
// links, hashed class names, the words also as s-data JSON before the label).
const QString k2015 =
    u"<div id=\"rs\"><div class=\"tt\">相关搜索</div><table cellpadding=\"0\"><tr><th><a "
    u"href=\"/s?wd=serial%20number&rsp=0&f=1&oq=number&ie=utf-8\">serial number</a></th><td></td>"
    u"<th><a href=\"/s?wd=Python%E5%AE%98%E7%BD%91&rsp=3&f=1\">Python官网</a></th></tr></table>"
    u"</div><div id=\"page\"><a href=\"/s?wd=number&pn=10\">2</a></div>"_s;
const QString k2026 =
    u"<div id=\"rs_new\" class=\"rs-normal-width_2T91A\" srcid=\"rs\"><!--s-data:{\"newList\":[["
    u"{\"url\":\"/s?wd=x&f=1\",\"word\":\"JavaScript错误\",\"pos\":1},{\"word\":\"a & b\"}]],"
    u"\"labelRs\":\"相关搜索\",\"wordNoSyntax\":\"bun\"}--><div><div class=\"c-color-t "
    u"rs-label_ihUhK\">相关搜索</div><table class=\"rs-table_3RiQc\"><tbody><tr><td><a "
    u"title=\"JavaScript错误\" class=\"rs-link_2DE3Q\" href=\"/s?wd=javascript&amp;rsp=0&amp;f=1\" "
    u"target=\"_self\"><span class=\"rs-icon_2G4l-\"></span><span class=\"rs-text_3K5mR\n      "
    u"rs-text-len_1wv3h\">JavaScript错误</span></a></td><td><a title=\"a &amp; b\" "
    u"href=\"/s?wd=a%20%26%20b&amp;f=1\"><span>a &amp; b</span></a></td></tr></tbody></table>"
    u"</div></div>"_s;

QString block(const QString &links)
{
    return u"<div><div class=\"rs-label_x\">相关搜索</div><table><tr><td>"_s + links +
           u"</td></tr></table><table><tr><td><a href=\"/s?wd=after\">after</a></td></tr></table>"_s;
}

QString board(const QString &json)
{
    return u"<html><body><div id=\"sanRoot\"><!--s-data:"_s + json + u"--></div></body></html>"_s;
}

QString lines(const QStringList &words)
{
    QString text;
    for (const QString &word : words)
        text += word + u"\r\n"_s;
    return text;
}

std::shared_ptr<const layout::PageLayout> layoutFor(const QStringList &flags)
{
    config::Settings settings;
    const Result<config::ParsedOptions> given =
        config::parseOptions(flags, config::settingsOptions());
    if (!given || !config::applySettingsFlags(settings, *given))
        return nullptr;
    return layout::chooseLayout(settings);
}

} // namespace

class LayoutTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void relatedSearches_data();
    void relatedSearches();
    void hotLists_data();
    void hotLists();
    void suggestions_data();
    void suggestions();
    void choiceAndAddresses_data();
    void choiceAndAddresses();
    void httpsShellPageIsAskedAgainOverHttp();
    void captchaHostsInAnySpelling_data();
    void captchaHostsInAnySpelling();
};

void LayoutTest::relatedSearches_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QStringList>("words");     // what the run is given
    QTest::addColumn<QStringList>("dataWords"); // from the s-data JSON alone

    QTest::newRow("2015/2020: links in th, lower-cased")
        << k2015 << true << QStringList{u"serial number"_s, u"python官网"_s} << QStringList{};
    const QStringList words2026{u"javascript错误"_s, u"a & b"_s};
    QTest::newRow("2026: spans, &amp;, s-data") << k2026 << true << words2026 << words2026;
    QTest::newRow("entities decoded after tags are stripped")
        << block(u"<a>&lt;b&gt; &#20320;&#x597D;&nbsp;&AMP; &bogus; &#0;</a>"_s) << true
        << QStringList{u"<b> 你好 & &bogus; &#0;"_s} << QStringList{};
    QTest::newRow("white space trimmed and folded, empty links skipped")
        << block(u"<a href=x>\n  <span> Lose \t Weight </span> </a><a></a><a><span "
                 u"class=\"rs-icon\"></span></a><a>b</a>"_s)
        << true << QStringList{u"lose weight"_s, u"b"_s} << QStringList{};
    QTest::newRow("a '>' in a quoted attribute, <abbr> is no link")
        << block(u"<abbr>no</abbr><a title='x>y' href=\"a>b\">yes</a>"_s) << true
        << QStringList{u"yes"_s} << QStringList{};
    QTest::newRow("a link with no end ends the scan")
        << block(u"<a>one</a><a>two"_s) << true << QStringList{u"one"_s} << QStringList{};
    QTest::newRow("table drawn by script: the s-data words")
        << u"<!--s-data:{\"newList\":[[{\"word\":\"Keto\"}],[{\"word\":\" \"}]]}--><div>"
           u"相关搜索</div><table></table>"_s
        << true << QStringList{u"keto"_s} << QStringList{u"keto"_s};
    QTest::newRow("damaged s-data is not read")
        << u"<!--s-data:{\"newList\":[[{\"word\":\"keto\"}]--><div>相关搜索</div><table>"
           u"</table>"_s
        << true << QStringList{} << QStringList{};
    QTest::newRow("the classic block is no live block")
        << u"<div id=rs><table><tr><th>相关搜索</th></tr><tr><td><a href=\"/s?wd=a&f=1\">a</a>"
           u"</td></tr></table></div>"_s
        << false << QStringList{} << QStringList{};
}

void LayoutTest::relatedSearches()
{
    QFETCH(QString, page);
    QFETCH(QStringList, words);
    QFETCH(QStringList, dataWords);
    const auto live = layoutFor({u"--layout=live"_s});
    // The marker page's pair belongs to the classic layout; the live seed
    // query is cut as every other.
    const layout::RelatedSearches related = live->relatedSearches(page, {u"<table"_s, u"</div>"_s});
    QTEST(related.blockFound, "found");
    QCOMPARE(related.candidates, words);
    QCOMPARE(layout::relatedDataWords(page), dataWords);
}

void LayoutTest::hotLists_data()
{
    QTest::addColumn<bool>("board"); // else hot_ranks
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("words");

    const QString cards =
        u"{\"data\":{\"cards\":[{\"component\":\"hotList\",\"content\":[{\"word\":\"iPhone "
        u"18\",\"query\":\"q\",\"desc\":\"a \\\"word\\\":\\\"fake\\\" inside\",\"hotScore\":"
        u"\"4980000\"},{\"word\" : \"\\u8003\\u7814\\/\\\"A\\\"\",\"index\":1},{\"word\":"
        u"\"高考\"}]}]}}"_s;
    const QStringList all{u"iphone 18"_s, u"考研/\"a\""_s, u"高考"_s};
    QTest::newRow("board: the word fields in page order") << true << board(cards) << all;
    QTest::newRow("board: JSON cut off in a word")
        << true << board(cards.left(cards.indexOf(u"高考"_s) + 1)) << all.mid(0, 2);
    QTest::newRow("board: page cut off, no comment end")
        << true
        << u"<div id=\"sanRoot\"><!--s-data:"_s + cards.left(cards.indexOf(u",{\"word\":"_s))
        << all.mid(0, 2);
    QTest::newRow("board: no s-data") << true << u"<div id=\"sanRoot\"></div>"_s << QStringList{};

    QTest::newRow("hot_ranks: rank order, unranked last")
        << false
        << u"{\"data\":[{\"attributes\":{\"title\":\"三\",\"rank\":3}},{\"attributes\":{\"title\":"
           u"\"无\"}},{\"attributes\":{\"title\":\"一\",\"rank\":\"1\"}},{\"attributes\":{\"title\""
           u":\"二\",\"rank\":2}}]}"_s
        << QStringList{u"一"_s, u"二"_s, u"三"_s, u"无"_s};
    QTest::newRow("hot_ranks: damaged JSON, the titles in text order")
        << false
        << u"{\"data\":[{\"attributes\":{\"title\":\"B\",\"rank\":2}},{\"attributes\":{"
           u"\"title\":\"A\",\"ra"_s
        << QStringList{u"b"_s, u"a"_s};
}

void LayoutTest::hotLists()
{
    QFETCH(bool, board);
    QFETCH(QString, page);
    QFETCH(QStringList, words);
    QCOMPARE(board ? layout::boardWordList(page) : layout::hotRanksWordList(page), lines(words));
}

void LayoutTest::suggestions_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("usable");

    QTest::newRow("the q of each g item, in order, lower-cased")
        << u"{\"q\":\"减肥\",\"p\":false,\"g\":[{\"type\":\"sug\",\"q\":\"减肥App\"},"
           u"{\"q\":\"\\u51cf\\u80a5\\ud83d\\ude00 \\\"x\\\"\"},{\"q\":\"减肥\"}],"
           u"\"slid\":\"1\"}"_s
        << QStringList{u"减肥app"_s, u"减肥😀 \"x\""_s, u"减肥"_s} << true;
    QTest::newRow("items without a string q, blank ones, are passed over")
        << u"{\"g\":[{\"type\":\"sug\"},{\"q\":7},\"q\",{\"q\":\" \\u3000\"},{\"q\":\"\"},"
           u"{\"q\":\"a\"}]}"_s
        << QStringList{u"a"_s} << true;
    QTest::newRow("no g: no suggestions")
        << u"{\"q\":\"x\",\"p\":false}"_s << QStringList{} << true;
    QTest::newRow("g not a list") << u"{\"g\":{\"q\":\"a\"}}"_s << QStringList{} << true;
    QTest::newRow("empty answer") << QString() << QStringList{} << false;
    QTest::newRow("cut off") << u"{\"g\":[{\"q\":\"a\"},{\"q\":\"b"_s << QStringList{} << false;
    QTest::newRow("a page, not JSON") << k2026 << QStringList{} << false;
    QTest::newRow("JSONP") << u"cb({\"g\":[{\"q\":\"a\"}]})"_s << QStringList{} << false;
    QTest::newRow("a list, not an object") << u"[{\"q\":\"a\"}]"_s << QStringList{} << false;
}

void LayoutTest::suggestions()
{
    QFETCH(QString, answer);
    // One reader in both layouts.
    for (const QString &choice : {u"--layout=live"_s, u"--layout=classic"_s}) {
        const layout::Suggestions read = layoutFor({choice})->suggestions(answer);
        QTEST(read.words, "words");
        QTEST(read.usable, "usable");
    }
}

void LayoutTest::choiceAndAddresses_data()
{
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("search"); // the address for "减肥 a&b"
    QTest::addColumn<QString>("baiduToday");
    QTest::addColumn<QString>("sogouWeek"); // empty: the layout has no such list

    const QString liveSearch = u"/s?wd=%E5%87%8F%E8%82%A5%20a%26b&ie=utf-8"_s;
    const QString classicSearch = u"/s?wd=%BC%F5%B7%CA%20a%26b"_s;
    QTest::newRow("the real hosts: live, today's defaults")
        << QStringList{} << u"live"_s << u"http://www.baidu.com"_s + liveSearch
        << u"https://top.baidu.com/board?tab=realtime"_s << QString();
    QTest::newRow("a public host with a scheme stays live")
        << QStringList{u"--hotlist-host=https://top.baidu.com:443"_s} << u"live"_s
        << u"http://www.baidu.com"_s + liveSearch
        << u"https://top.baidu.com:443/board?tab=realtime"_s << QString();
    QTest::newRow("the sandbox: classic")
        << QStringList{u"--sandbox"_s} << u"classic"_s << u"http://www.baidu.com"_s + classicSearch
        << u"http://top.baidu.com/buzz/top10.html"_s << u"http://top.sogou.com/000001.html"_s;
    QTest::newRow("one custom host: classic")
        << QStringList{u"--search-host=127.0.0.1:8080"_s} << u"classic"_s
        << u"http://127.0.0.1:8080"_s + classicSearch << u"http://top.baidu.com/buzz/top10.html"_s
        << u"http://top.sogou.com/000001.html"_s;
    QTest::newRow("explicit classic on the real hosts")
        << QStringList{u"--layout=classic"_s, u"--search-host=https://www.baidu.com"_s}
        << u"classic"_s << u"https://www.baidu.com"_s + classicSearch
        << u"http://top.baidu.com/buzz/top10.html"_s << u"http://top.sogou.com/000001.html"_s;
    QTest::newRow("explicit live on the sandbox")
        << QStringList{u"--sandbox"_s, u"--layout=live"_s, u"--search-host=https://[::1]:9"_s}
        << u"live"_s << u"https://[::1]:9"_s + liveSearch
        << u"https://top.baidu.com/board?tab=realtime"_s << QString();
}

void LayoutTest::choiceAndAddresses()
{
    QFETCH(QStringList, flags);
    QFETCH(QString, sogouWeek);
    const auto chosen = layoutFor(flags);
    QVERIFY(chosen);
    QTEST(chosen->name(), "layout");
    QTEST(chosen->searchUrl(u"减肥 a&b"_s).toString(QUrl::FullyEncoded), "search");
    // Suggestions come from the web-search host in either layout.
    QFETCH(QString, search);
    QCOMPARE(chosen->suggestUrl(u"减肥 a&b"_s).toString(QUrl::FullyEncoded),
             search.left(search.indexOf(u"/s?"_s)) +
                 u"/sugrec?prod=pc&wd=%E5%87%8F%E8%82%A5%20a%26b"_s);
    const auto sourceUrl = [&](const char *name) {
        const auto reading = chosen->hotlist(*layout::sourceByName(QLatin1String(name)));
        return reading ? reading->url.toString(QUrl::FullyEncoded) : QString();
    };
    QTEST(sourceUrl("baidu-today"), "baiduToday");
    QCOMPARE(sourceUrl("sogou-week"), sogouWeek);
    if (chosen->name() == u"live"_s)
        QCOMPARE(sourceUrl("sogou-today"), u"https://go.ie.sogou.com/hot_ranks"_s);
}

void LayoutTest::httpsShellPageIsAskedAgainOverHttp()
{
    // The page a plain client gets over https: a script that swaps the scheme.
    const QString shell =
        u"<html>\n<head>\n\t<script>\n\t\tlocation.replace(location.href.replace(\"https://\","
        u"\"http://\"));\n\t</script>\n</head>\n<body>\n\t<noscript><meta http-equiv=\"refresh\" "
        u"content=\"0;url=http://www.baidu.com/\"></noscript>\n</body>\n</html>"_s;
    const QUrl https(u"https://www.baidu.com/s?wd=%E5%87%8F&ie=utf-8"_s);
    const auto live = layoutFor({});
    QCOMPARE(live->retryAddress(https, shell),
             QUrl(u"http://www.baidu.com/s?wd=%E5%87%8F&ie=utf-8"_s));
    QCOMPARE(live->retryAddress(QUrl(u"http://www.baidu.com/s?wd=x"_s), shell), std::nullopt);
    QCOMPARE(live->retryAddress(https, k2026), std::nullopt);
    QCOMPARE(layoutFor({u"--sandbox"_s})->retryAddress(https, shell), std::nullopt);
}

void LayoutTest::captchaHostsInAnySpelling_data()
{
    QTest::addColumn<QByteArray>("location"); // as a redirect sends it
    QTest::addColumn<bool>("block");
    QTest::newRow("wappass") << "https://wappass.baidu.com/static/captcha/?x=1"_ba << true;
    QTest::newRow("trailing dot") << "http://wappass.baidu.com./x"_ba << true;
    QTest::newRow("upper case, a port") << "http://SecCaptcha.BAIDU.com:443/x"_ba << true;
    QTest::newRow("a subdomain") << "http://m.wappass.baidu.com/x"_ba << true;
    QTest::newRow("a subdomain, upper case, trailing dot")
        << "//A.B.WAPPASS.baidu.COM./"_ba << true;
    QTest::newRow("full-width letters") << "http://\xef\xbd\x97"
                                           "appass.baidu.com/"_ba
                                        << true;
    QTest::newRow("user info before the host")
        << "http://www.baidu.com@wappass.baidu.com/"_ba << true;
    QTest::newRow("a name that only ends alike") << "http://xwappass.baidu.com/x"_ba << false;
    QTest::newRow("a relative redirect") << "/s?wd=x"_ba << false;
}

void LayoutTest::captchaHostsInAnySpelling()
{
    QFETCH(QByteArray, location);
    const QUrl target =
        QUrl(u"http://www.baidu.com/s?wd=x"_s).resolved(QUrl::fromEncoded(location));
    QTEST(layoutFor({})->isBlockAddress(target), "block");
}

QTEST_GUILESS_MAIN(LayoutTest)
#include "tst_layout.moc"
