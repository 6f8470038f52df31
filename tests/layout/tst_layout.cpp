#include "config/settings.h"
#include "data_table.h"
#include "layout/live_hotlists.h"
#include "layout/live_markup.h"
#include "layout/page_layout.h"

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
    u"{\"url\":\"/s?wd=x&f=1\",\"word\":\"JavaScript错误\",\"pos\":1},{\"word\":\"a & "
    u"b\"}]],\"labelRs\":"
    u"\"相关搜索\",\"wordNoSyntax\":\"bun\"}--><div><div class=\"c-color-t "
    u"rs-label_ihUhK\">相关搜索"
    u"</div><table class=\"rs-table_3RiQc\"><tbody><tr><td><a title=\"JavaScript错误\" "
    u"class=\"rs-link_2DE3Q\" href=\"/s?wd=javascript&amp;rsp=0&amp;f=1\" target=\"_self\"><span "
    u"class=\"rs-icon_2G4l-\"></span><span class=\"rs-text_3K5mR\n      rs-text-len_1wv3h\">"
    u"JavaScript错误</span></a></td><td><a title=\"a &amp; b\" "
    u"href=\"/s?wd=a%20%26%20b&amp;f=1\"><span>a &amp; b</span></a></td></tr></tbody></table>"
    u"</div></div>"_s;

// A live block holding `links`, and a table after it.
QString block(const char16_t *links)
{
    return u"<div><div class=\"rs-label_x\">相关搜索</div><table><tr><td>"_s + links +
           u"</td></tr></table><table><tr><td><a href=\"/s?wd=after\">after</a></td></tr></table>"_s;
}

std::shared_ptr<const layout::PageLayout> layoutFor(const QStringList &flags,
                                                    const QString &engine = u"baidu"_s)
{
    config::Settings settings;
    settings.engine = engine;
    const Result<config::ParsedOptions> given =
        config::parseOptions(flags, config::settingsOptions());
    if (!given || !config::applySettingsFlags(settings, *given))
        return nullptr;
    return layout::chooseLayout(settings);
}

QString dataPage(const char *name)
{
    QFile file(QStringLiteral(VANTORIX_TEST_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

// Word lists are given '|' separated.
class LayoutTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // words: what the run is given; dataWords: from the s-data JSON alone
    void relatedSearches_data()
    {
        columns<QString, bool, QString, QString>("page", "found", "words", "dataWords");
        QTest::newRow("2015/2020: links in th, lower-cased")
            << k2015 << true << u"serial number|python官网"_s << QString();
        QTest::newRow("2026: spans, &amp;, s-data")
            << k2026 << true << u"javascript错误|a & b"_s << u"javascript错误|a & b"_s;
        QTest::newRow("entities decoded after tags are stripped")
            << block(u"<a>&lt;b&gt; &#20320;&#x597D;&nbsp;&AMP; &bogus; &#0;</a>") << true
            << u"<b> 你好 & &bogus; &#0;"_s << QString();
        QTest::newRow("white space trimmed and folded, empty links skipped")
            << block(u"<a href=x>\n  <span> Lose \t Weight </span> </a><a></a><a><span "
                     u"class=\"rs-icon\"></span></a><a>b</a>")
            << true << u"lose weight|b"_s << QString();
        QTest::newRow("a '>' in a quoted attribute, <abbr> is no link")
            << block(u"<abbr>no</abbr><a title='x>y' href=\"a>b\">yes</a>") << true << u"yes"_s
            << QString();
        QTest::newRow("a link with no end ends the scan")
            << block(u"<a>one</a><a>two") << true << u"one"_s << QString();
        QTest::newRow("table drawn by script: the s-data words")
            << u"<!--s-data:{\"newList\":[[{\"word\":\"Keto\"}],[{\"word\":\" "
               u"\"}]]}--><div>相关搜索</div>"
               u"<table></table>"_s
            << true << u"keto"_s << u"keto"_s;
        QTest::newRow("damaged s-data is not read")
            << u"<!--s-data:{\"newList\":[[{\"word\":\"keto\"}]--><div>相关搜索</div><table></table>"_s
            << true << QString() << QString();
        QTest::newRow("the classic block is no live block")
            << u"<div id=rs><table><tr><th>相关搜索</th></tr><tr><td><a href=\"/s?wd=a&f=1\">a</a>"
               u"</td></tr></table></div>"_s
            << false << QString() << QString();
    }
    void relatedSearches()
    {
        QFETCH(QString, page);
        const auto live = layoutFor({u"--layout=live"_s});
        // The marker page's pair belongs to the classic layout; the live seed
        // query is cut as every other.
        const layout::RelatedSearches related =
            live->relatedSearches(page, {u"<table"_s, u"</div>"_s});
        QTEST(related.blockFound, "found");
        QTEST(related.candidates.join(u'|'), "words");
        QTEST(layout::relatedDataWords(page).join(u'|'), "dataWords");
    }

    // Trimmed real pages (data/) and pages of our own. location: where the
    // query was redirected, else the page is read; block: either is a block
    void engines_data()
    {
        columns<QString, QString, QString, bool, QString, bool>("engine", "location", "page",
                                                                "found", "words", "block");
        const auto page = [](const char *name, const char *engine, const QString &page,
                             const QString &words, bool block = false) {
            QTest::newRow(name) << QString::fromLatin1(engine) << QString() << page
                                << !words.isEmpty() << words << block;
        };
        const auto redirect = [](const char *name, const char *engine, const char *to, bool block) {
            QTest::newRow(name) << QString::fromLatin1(engine) << QString::fromLatin1(to)
                                << QString() << false << QString() << block;
        };
        const QString hint = u"<table id=\"hint_container\"><caption>%1</caption><tr><td><p><a "
                             u"href=\"?query=x\">%2</a></p></td></tr></table>"_s;
        page("sogou 2026", "sogou", dataPage("sogou-2026.html"),
             u"configuration channel|microchip technology|ibm服务器官网"_s);
        page("sogou 2020", "sogou", dataPage("sogou-2020.html"),
             u"源代码泄露之诉|泄露 公司 源代码|源代码泄露是指什么"_s);
        page("sogou: each table captioned 相关搜索, entities decoded", "sogou",
             hint.arg(u"大家还在搜"_s, u"no"_s) + hint.arg(u" 相关&#25628;索 "_s, u"A &amp; B"_s) +
                 hint.arg(u"相关搜索"_s, u"c"_s),
             u"a & b|c"_s);
        page("sogou: other captions only", "sogou",
             u"<div class=\"vrwrap\"></div>"_s + hint.arg(u"大家还在搜"_s, u"验证码"_s), {});
        page("so360 2022: the table, then the in-results block's new words", "so360",
             dataPage("so360-2022.html"),
             u"怎样减肚子上的赘肉最快最有效21天|胖人怎么变成易瘦体质|减脂餐食谱一日三餐|"
             u"如何一个月瘦腿10斤|减肥食谱一周瘦10斤"_s);
        page("so360 2026: the in-results block alone", "so360", dataPage("so360-2026.html"),
             u"modelscope官网入口|mcp是什么意思|国产大模型实现超长上下文突破"_s);
        page("no results, a verification code", "so360", u"<p>请输入验证码</p>"_s, {}, true);
        redirect("antispider path", "sogou", "/antispider/?from=%2Fweb", true);
        redirect("another host", "sogou", "http://passport.sogou.com/", true);
        redirect("its host in any spelling", "so360", "http://WWW.so.COM./s?q=y", false);
        redirect("a path that only starts alike", "so360", "/antispiders/x", false);
    }
    void engines()
    {
        QFETCH(QString, engine);
        QFETCH(QString, location);
        QFETCH(QString, page);
        const auto chosen = layoutFor({}, engine);
        const layout::RelatedSearches related = chosen->relatedSearches(page, {});
        QTEST(related.blockFound, "found");
        QTEST(related.candidates.join(u'|'), "words");
        QTEST(location.isEmpty()
                  ? chosen->isBlockPage(page)
                  : chosen->isBlockAddress(chosen->searchUrl(u"x"_s).resolved(QUrl(location))),
              "block");
        const QString address = engine == u"sogou"_s
                                    ? u"https://www.sogou.com/web?query=%1&ie=utf8"_s
                                    : u"https://www.so.com/s?q=%1"_s;
        QCOMPARE(chosen->searchUrl(u"减肥 a&b"_s).toString(QUrl::FullyEncoded),
                 address.arg(u"%E5%87%8F%E8%82%A5%20a%26b"_s));
    }

    // board: else hot_ranks; words: lines of the word list
    void hotLists_data()
    {
        columns<bool, QString, QString>("board", "page", "words");
        const QString cards =
            u"{\"data\":{\"cards\":[{\"component\":\"hotList\",\"content\":[{\"word\":\"iPhone "
            u"18\",\"query\":"
            u"\"q\",\"desc\":\"a \\\"word\\\":\\\"fake\\\" "
            u"inside\",\"hotScore\":\"4980000\"},{\"word\" : "
            u"\"\\u8003\\u7814\\/\\\"A\\\"\",\"index\":1},{\"word\":\"高考\"}]}]}}"_s;
        const QString start = u"<div id=\"sanRoot\"><!--s-data:"_s;
        const QString two = u"iphone 18\r\n考研/\"a\"\r\n"_s;
        QTest::newRow("board: the word fields in page order")
            << true << start + cards + u"--></div>"_s << two + u"高考\r\n"_s;
        QTest::newRow("board: JSON cut off in a word")
            << true << start + cards.left(cards.indexOf(u"高考"_s) + 1) + u"--></div>"_s << two;
        QTest::newRow("board: page cut off, no comment end")
            << true << start + cards.left(cards.indexOf(u",{\"word\":"_s)) << two;
        QTest::newRow("board: no s-data") << true << u"<div id=\"sanRoot\"></div>"_s << QString();
        QTest::newRow("hot_ranks: rank order, unranked last")
            << false
            << u"{\"data\":[{\"attributes\":{\"title\":\"三\",\"rank\":3}},{\"attributes\":{"
               u"\"title\":\"无\"}},"
               u"{\"attributes\":{\"title\":\"一\",\"rank\":\"1\"}},{\"attributes\":{\"title\":\"二\",\"rank\":2}}]}"_s
            << u"一\r\n二\r\n三\r\n无\r\n"_s;
        QTest::newRow("hot_ranks: damaged JSON, the titles in text order")
            << false
            << u"{\"data\":[{\"attributes\":{\"title\":\"B\",\"rank\":2}},{\"attributes\":{\"title\":\"A\",\"ra"_s
            << u"b\r\na\r\n"_s;
    }
    void hotLists()
    {
        QFETCH(bool, board);
        QFETCH(QString, page);
        QTEST(board ? layout::boardWordList(page) : layout::hotRanksWordList(page), "words");
    }

    void suggestions_data()
    {
        columns<QString, QString, bool>("answer", "words", "usable");
        QTest::newRow("the q of each g item, in order, lower-cased")
            << u"{\"q\":\"减肥\",\"p\":false,\"g\":[{\"type\":\"sug\",\"q\":\"减肥App\"},"
               u"{\"q\":\"\\u51cf\\u80a5\\ud83d\\ude00 \\\"x\\\"\"},{\"q\":\"减肥\"}],\"slid\":\"1\"}"_s
            << u"减肥app|减肥😀 \"x\"|减肥"_s << true;
        QTest::newRow("items without a string q, blank ones, are passed over")
            << u"{\"g\":[{\"type\":\"sug\"},{\"q\":7},\"q\",{\"q\":\" \\u3000\"},{\"q\":\"\"},{\"q\":\"a\"}]}"_s
            << u"a"_s << true;
        QTest::newRow("no g: no suggestions")
            << u"{\"q\":\"x\",\"p\":false}"_s << QString() << true;
        QTest::newRow("g not a list") << u"{\"g\":{\"q\":\"a\"}}"_s << QString() << true;
        QTest::newRow("empty answer") << QString() << QString() << false;
        QTest::newRow("cut off") << u"{\"g\":[{\"q\":\"a\"},{\"q\":\"b"_s << QString() << false;
        QTest::newRow("a list, not an object") << u"[{\"q\":\"a\"}]"_s << QString() << false;
    }
    void suggestions()
    {
        QFETCH(QString, answer);
        // One reader in both layouts.
        for (const QString &choice : {u"--layout=live"_s, u"--layout=classic"_s}) {
            const layout::Suggestions read = layoutFor({choice})->suggestions(answer);
            QTEST(read.words.join(u'|'), "words");
            QTEST(read.usable, "usable");
        }
    }

    // search: the address for "减肥 a&b"; sogouWeek: empty when the layout has no such list
    void choiceAndAddresses_data()
    {
        columns<QStringList, QString, QString, QString, QString>("flags", "layout", "search",
                                                                 "baiduToday", "sogouWeek");
        const QString live = u"/s?wd=%E5%87%8F%E8%82%A5%20a%26b&ie=utf-8"_s;
        const QString classic = u"/s?wd=%BC%F5%B7%CA%20a%26b"_s;
        const QString classicToday = u"http://top.baidu.com/buzz/top10.html"_s;
        const QString classicWeek = u"http://top.sogou.com/000001.html"_s;
        QTest::newRow("the real hosts: live, today's defaults")
            << QStringList{} << u"live"_s << u"http://www.baidu.com"_s + live
            << u"https://top.baidu.com/board?tab=realtime"_s << QString();
        QTest::newRow("a public host with a scheme stays live")
            << QStringList{u"--hotlist-host=https://top.baidu.com:443"_s} << u"live"_s
            << u"http://www.baidu.com"_s + live << u"https://top.baidu.com:443/board?tab=realtime"_s
            << QString();
        QTest::newRow("one custom host: classic")
            << QStringList{u"--search-host=127.0.0.1:8080"_s} << u"classic"_s
            << u"http://127.0.0.1:8080"_s + classic << classicToday << classicWeek;
        QTest::newRow("explicit classic on the real hosts")
            << QStringList{u"--layout=classic"_s, u"--search-host=https://www.baidu.com"_s}
            << u"classic"_s << u"https://www.baidu.com"_s + classic << classicToday << classicWeek;
        QTest::newRow("explicit live on the sandbox")
            << QStringList{u"--sandbox"_s, u"--layout=live"_s, u"--search-host=https://[::1]:9"_s}
            << u"live"_s << u"https://[::1]:9"_s + live
            << u"https://top.baidu.com/board?tab=realtime"_s << QString();
    }
    void choiceAndAddresses()
    {
        QFETCH(QStringList, flags);
        QFETCH(QString, search);
        const auto chosen = layoutFor(flags);
        QVERIFY(chosen);
        QTEST(chosen->name(), "layout");
        QCOMPARE(chosen->searchUrl(u"减肥 a&b"_s).toString(QUrl::FullyEncoded), search);
        // Suggestions come from the web-search host in either layout.
        QCOMPARE(chosen->suggestUrl(u"减肥 a&b"_s).toString(QUrl::FullyEncoded),
                 search.left(search.indexOf(u"/s?"_s)) +
                     u"/sugrec?prod=pc&wd=%E5%87%8F%E8%82%A5%20a%26b"_s);
        const auto sourceUrl = [&](const char *name) {
            const auto reading = chosen->hotlist(*layout::sourceByName(QLatin1String(name)));
            return reading ? reading->url.toString(QUrl::FullyEncoded) : QString();
        };
        QTEST(sourceUrl("baidu-today"), "baiduToday");
        QTEST(sourceUrl("sogou-week"), "sogouWeek");
        if (chosen->name() == u"live"_s)
            QCOMPARE(sourceUrl("sogou-today"), u"https://go.ie.sogou.com/hot_ranks"_s);
    }

    void httpsShellPageIsAskedAgainOverHttp()
    {
        // The page a plain client gets over https: a script that swaps the scheme.
        const QString shell =
            u"<html><head><script>location.replace(location.href.replace(\"https://\",\n\t\"http://"
            u"\"));"
            u"</script></head><body><noscript><meta http-equiv=\"refresh\" "
            u"content=\"0;url=http://www.baidu.com/\"></noscript></body></html>"_s;
        const QUrl https(u"https://www.baidu.com/s?wd=%E5%87%8F&ie=utf-8"_s);
        const auto live = layoutFor({});
        QCOMPARE(live->retryAddress(https, shell),
                 QUrl(u"http://www.baidu.com/s?wd=%E5%87%8F&ie=utf-8"_s));
        QCOMPARE(live->retryAddress(QUrl(u"http://www.baidu.com/s?wd=x"_s), shell), std::nullopt);
        QCOMPARE(live->retryAddress(https, k2026), std::nullopt);
        QCOMPARE(layoutFor({u"--sandbox"_s})->retryAddress(https, shell), std::nullopt);
    }

    void captchaHostsInAnySpelling_data()
    {
        columns<QByteArray, bool>("location", "block"); // location: as a redirect sends it
        QTest::newRow("wappass") << "https://wappass.baidu.com/static/captcha/?x=1"_ba << true;
        QTest::newRow("upper case, a port") << "http://SecCaptcha.BAIDU.com:443/x"_ba << true;
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
    void captchaHostsInAnySpelling()
    {
        QFETCH(QByteArray, location);
        const QUrl target =
            QUrl(u"http://www.baidu.com/s?wd=x"_s).resolved(QUrl::fromEncoded(location));
        QTEST(layoutFor({})->isBlockAddress(target), "block");
    }
};

QTEST_GUILESS_MAIN(LayoutTest)
#include "tst_layout.moc"
