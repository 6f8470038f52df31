#include "sandbox/keyword_graph.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace vantorix::sandbox;
using namespace Qt::StringLiterals;

namespace {

// Every keyword a breadth-first run from `start` meets, lower-cased, as a
// mining run meets them.
QStringList explore(const KeywordGraph &graph, const QString &start)
{
    QSet<QString> seen;
    QStringList queue{start};
    for (qsizetype i = 0; i < queue.size(); ++i) {
        for (const QString &link : graph.related(queue.at(i))) {
            if (!seen.contains(link.toLower())) {
                seen.insert(link.toLower());
                queue.append(link.toLower());
            }
        }
    }
    return queue.mid(1);
}

} // namespace

// The sandbox's keyword graph: the size a run finds, and pages that look like
// real related searches.
class TestKeywordGraph : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sizeFromDefaultSeed_data()
    {
        QTest::addColumn<int>("fanout");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("defaults: a few thousand")
            << KeywordGraph::kDefaultFanout << KeywordGraph::kDefaultDepth << 2000 << 5000;
        QTest::newRow("about 20,000") << 12 << 3 << 17000 << 23000;
        QTest::newRow("depth 0: short words only") << 7 << 0 << 1 << 12;
    }
    void sizeFromDefaultSeed()
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

    // Same options, same links, whatever the case of the query (the program
    // queries what it harvested, lower-cased); another seed, other links.
    void deterministic()
    {
        const KeywordGraph a(7, 7, 3), b(7, 7, 3), otherSeed(8, 7, 3);
        int differing = 0;
        for (const QString &keyword : explore(a, u"减肥"_s).mid(0, 300)) {
            QCOMPARE(a.related(keyword), b.related(keyword));
            differing += a.related(keyword) != otherSeed.related(keyword) ? 1 : 0;
        }
        QVERIFY(differing > 250);
        for (const QString &keyword : {u"减肥App"_s, u"IT男减肥"_s, u"iPhone"_s}) {
            QCOMPARE(a.related(keyword).join(u'|').toLower(),
                     a.related(keyword.toLower()).join(u'|').toLower());
        }
    }

    // Mixed case, short words, a few repeats within a block, and most links
    // listed on several pages, so a run meets duplicates.
    void linksAreRealistic()
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
                QVERIFY(!link.isEmpty() && link.compare(keyword, Qt::CaseInsensitive) != 0);
                mixed += link.contains(mixedCase) ? 1 : 0;
                shortOnes += link.size() <= 2 ? 1 : 0;
                repeatedInBlock += inBlock.contains(link) ? 1 : 0;
                if (!inBlock.contains(link))
                    ++pagesListing[link.toLower()];
                inBlock.insert(link);
            }
        }
        QVERIFY(mixed > 0 && shortOnes > 0);
        QVERIFY(repeatedInBlock > 0 && repeatedInBlock < blocks / 4);
        const auto listedOften = std::count_if(pagesListing.cbegin(), pagesListing.cend(),
                                               [](int pages) { return pages > 1; });
        QVERIFY(listedOften > pagesListing.size() / 2);
        for (const QString &keyword : {QString(), u"  "_s, u"</table>减肥"_s})
            QVERIFY(graph.related(keyword).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestKeywordGraph)
#include "tst_keyword_graph.moc"
