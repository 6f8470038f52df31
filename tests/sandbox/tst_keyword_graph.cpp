#include "sandbox/keyword_graph.h"
#include "sandbox/keyword_shape.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace vantorix::sandbox;
using namespace Qt::StringLiterals;

namespace {

// Every keyword a breadth-first run from `start` meets, lower-cased.
QStringList explore(const KeywordGraph &graph, const QString &start)
{
    QSet<QString> seen;
    QStringList queue{start};
    for (qsizetype i = 0; i < queue.size(); ++i)
        for (const QString &link : graph.related(queue.at(i)))
            if (!seen.contains(link.toLower())) {
                seen.insert(link.toLower());
                queue.append(link.toLower());
            }
    return queue.mid(1);
}

} // namespace

class TestKeywordGraph : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shapeReading_data();
    void shapeReading();
    void sizeFromDefaultSeed_data();
    void sizeFromDefaultSeed();
    void sameOptionsSameLinks();
    void caseOfTheQueryDoesNotMatter();
    void linksAreRealistic();
    void depthBoundsTheKeywords();
    void noLinksForEmptyOrMarkup_data();
    void noLinksForEmptyOrMarkup();
};

void TestKeywordGraph::shapeReading_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("core");
    QTest::addColumn<int>("level");
    QTest::newRow("bare core") << u"减肥"_s << u"减肥"_s << 0;
    QTest::newRow("all five slots") << u"女生快速减肥食谱一周哪个好"_s << u"减肥"_s << 5;
    QTest::newRow("longest suffix wins") << u"减肥代餐"_s << u"减肥"_s << 1;
    QTest::newRow("Latin slot word, any case") << u"减肥keep课程pdf"_s << u"减肥"_s << 2;
    QTest::newRow("core keeps its case") << u"iPhone哪个好"_s << u"iPhone"_s << 1;
    QTest::newRow("never an empty core") << u"食谱"_s << u"食谱"_s << 0;
    QTest::newRow("unknown text is all core") << u"a&b #c"_s << u"a&b #c"_s << 0;
}

void TestKeywordGraph::shapeReading()
{
    QFETCH(QString, keyword);
    QFETCH(QString, core);
    QFETCH(int, level);
    const KeywordShape shape = parseShape(keyword);
    QCOMPARE(shape.core, core);
    QCOMPARE(shape.level(), level);
    QCOMPARE(composeShape(shape).toLower(), keyword.toLower());
}

void TestKeywordGraph::sizeFromDefaultSeed_data()
{
    QTest::addColumn<int>("fanout");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("defaults") << KeywordGraph::kDefaultFanout << KeywordGraph::kDefaultDepth << 2000
                              << 5000;
    QTest::newRow("about 20,000") << 12 << 3 << 17000 << 23000;
    QTest::newRow("depth 0: short words only") << 7 << 0 << 1 << 12;
}

void TestKeywordGraph::sizeFromDefaultSeed()
{
    QFETCH(int, fanout);
    QFETCH(int, depth);
    QFETCH(int, low);
    QFETCH(int, high);
    const KeywordGraph graph(1, fanout, depth);
    const qsizetype found = explore(graph, u"减肥"_s).size();
    QVERIFY2(found >= low && found <= high, qPrintable(QString::number(found)));
    QCOMPARE(graph.reachableFrom(u"减肥"_s, 1000000), found);
    QCOMPARE(graph.reachableFrom(u"减肥"_s, 100), std::min<qsizetype>(found, 100));
}

void TestKeywordGraph::sameOptionsSameLinks()
{
    const KeywordGraph a(7, 7, 3);
    const KeywordGraph b(7, 7, 3);
    const KeywordGraph otherSeed(8, 7, 3);
    int differing = 0;
    for (const QString &keyword : explore(a, u"减肥"_s).mid(0, 300)) {
        QCOMPARE(a.related(keyword), b.related(keyword));
        differing += a.related(keyword) != otherSeed.related(keyword) ? 1 : 0;
    }
    QVERIFY(differing > 250);
}

void TestKeywordGraph::caseOfTheQueryDoesNotMatter()
{
    // The program queries what it harvested, lower-cased.
    const KeywordGraph graph(1, 7, 3);
    for (const QString &keyword : {u"减肥App"_s, u"IT男减肥"_s, u"iPhone"_s}) {
        const QStringList asTyped = graph.related(keyword);
        const QStringList lowered = graph.related(keyword.toLower());
        QCOMPARE(asTyped.join(u'|').toLower(), lowered.join(u'|').toLower());
    }
}

void TestKeywordGraph::linksAreRealistic()
{
    const KeywordGraph graph(1, 7, 3);
    const QRegularExpression mixedCase(u"[A-Z].*[a-z]|[a-z].*[A-Z]"_s);
    int mixed = 0, shortOnes = 0, repeatedInBlock = 0, blocks = 0;
    QHash<QString, int> pagesListing;
    for (const QString &keyword : explore(graph, u"减肥"_s).mid(0, 1000)) {
        const QStringList links = graph.related(keyword);
        ++blocks;
        QVERIFY(!links.isEmpty());
        QSet<QString> inBlock;
        for (const QString &link : links) {
            QVERIFY(!link.isEmpty());
            QVERIFY(link.compare(keyword, Qt::CaseInsensitive) != 0);
            mixed += link.contains(mixedCase) ? 1 : 0;
            shortOnes += link.size() <= 2 ? 1 : 0;
            repeatedInBlock += inBlock.contains(link) ? 1 : 0;
            if (!inBlock.contains(link))
                ++pagesListing[link.toLower()];
            inBlock.insert(link);
        }
    }
    QVERIFY(mixed > 0);
    QVERIFY(shortOnes > 0);
    QVERIFY(repeatedInBlock > 0 && repeatedInBlock < blocks / 4);
    const auto listedOften = std::count_if(pagesListing.cbegin(), pagesListing.cend(),
                                           [](int pages) { return pages > 1; });
    QVERIFY(listedOften > pagesListing.size() / 2);
}

void TestKeywordGraph::depthBoundsTheKeywords()
{
    for (int depth = 1; depth <= 3; ++depth) {
        const KeywordGraph graph(3, 4, depth);
        int deepest = 0;
        for (const QString &keyword : explore(graph, u"减肥"_s))
            deepest = std::max(deepest, parseShape(keyword).level());
        QCOMPARE(deepest, depth);
    }
}

void TestKeywordGraph::noLinksForEmptyOrMarkup_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::newRow("empty") << QString();
    QTest::newRow("spaces") << u"  "_s;
    QTest::newRow("markup") << u"</table>减肥"_s;
}

void TestKeywordGraph::noLinksForEmptyOrMarkup()
{
    QFETCH(QString, keyword);
    QVERIFY(KeywordGraph(1, 7, 3).related(keyword).isEmpty());
}

QTEST_GUILESS_MAIN(TestKeywordGraph)
#include "tst_keyword_graph.moc"
