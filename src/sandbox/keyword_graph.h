#pragma once

#include <QString>
#include <QStringList>

namespace vantorix::sandbox {

// The related searches of every keyword, computed on demand from a hash of
// (seed, lower-cased keyword), so the same options always give the same pages
// and nothing is stored.
//
// A keyword is a core plus at most one word in each of five slots (two before
// the core, three after it; see keyword_shape.h). For each core the graph
// picks `fanout` words per slot and lets a keyword carry up to `depth` slot
// words, so the keywords of one core number
//     sum over l = 0..depth of C(5, l) * fanout^l
// ((fanout + 1)^5 at depth 5). A keyword's related searches (8 to 10 links)
// mix longer keywords (one more slot word), siblings (one slot word swapped),
// shorter ones (one slot word dropped) and now and then one of ten short
// words; a link may repeat within its block. Neighbourhoods overlap, so a
// breadth-first run meets most keywords on many pages and ends up finding
// nearly all of them plus the short words. Measured from 减肥, seed 1
// (vantorix-sandbox --count 减肥 --fanout F --depth D):
//
//     fanout depth  keywords of the core  found
//          7     3                 3,956    3,966   (defaults)
//         12     3                18,781   18,774   (about 20,000)
//          8     4                26,281   26,283
//          9     5               100,000  100,006   (about 100,000)
class KeywordGraph
{
public:
    static constexpr int kDefaultFanout = 7;
    static constexpr int kDefaultDepth = 3;
    static constexpr int kMaxDepth = 5;

    KeywordGraph(quint64 seed, int fanout, int depth);

    // The link texts of the keyword's related-searches block, in page order,
    // in their own case. Empty for the empty keyword and for keywords holding
    // markup characters.
    QStringList related(const QString &keyword) const;

    // The search box's suggestions for the keyword: up to ten distinct longer
    // neighbours (one more slot word, so each holds the keyword), drawn in an
    // order of their own from twice the fanout of words a slot, so they differ
    // from the related block and reach keywords it never lists. A keyword at
    // the graph's depth has none, and neither have the empty keyword, the
    // short words and keywords holding markup characters. From 减肥 at the
    // defaults suggestions alone find 1,072 keywords, both sources 28,038.
    QStringList suggestions(const QString &keyword) const;

    // Distinct lower-cased keywords a breadth-first run from `keyword` finds
    // (the start itself not counted unless a page links back to it), up to `limit`.
    qsizetype reachableFrom(const QString &keyword, qsizetype limit) const;

    int fanout() const { return m_fanout; }
    int depth() const { return m_depth; }

    struct NeighbourMix;

private:
    QStringList neighbours(const QString &keyword, const NeighbourMix &mix) const;
    QStringList shortWordRelated(const QString &lower) const;
    QList<int> slotChoices(const QString &lowerCore, int slot, int count) const;

    quint64 m_seed;
    int m_fanout;
    int m_depth;
};

} // namespace vantorix::sandbox
