#include "sandbox/keyword_graph.h"

#include "sandbox/keyword_shape.h"
#include "sandbox/stable_hash.h"

#include <QSet>
#include <algorithm>
#include <numeric>

namespace vantorix::sandbox {

// How a list of neighbours is drawn: the shares of its kinds in percent (the
// rest are shorter keywords), how many, and the hash stream of the draw.
struct KeywordGraph::NeighbourMix
{
    int shortWordShare;
    int longerShare;
    int siblingShare;
    int least; // the list holds least + a draw below `spread` neighbours
    int spread;
    bool twins;       // one link now and then listed twice
    quint64 stream;   // added to the seed; 0 for the related block
    int choiceFactor; // a core offers this many times the fanout of words a slot
};

namespace {

// The related block: mostly longer keywords, some siblings and shorter ones.
constexpr KeywordGraph::NeighbourMix kRelatedMix{4, 58, 26, 8, 3, true, 0, 1};
// The search box completes what was typed: only longer keywords that hold it,
// drawn apart from the related block and from twice the words a slot, so the
// two sources overlap but each reaches keywords the other does not.
constexpr KeywordGraph::NeighbourMix kSuggestionMix{0, 100, 0, 10, 1, false, 0x5ac9e55e7ULL, 2};

bool holdsMarkup(const QString &text)
{
    return text.contains(u'<') || text.contains(u'>');
}

} // namespace

KeywordGraph::KeywordGraph(quint64 seed, int fanout, int depth)
    : m_seed(seed), m_fanout(std::clamp(fanout, 1, kSlotWordsMinimum)),
      m_depth(std::clamp(depth, 0, kMaxDepth))
{
}

QList<int> KeywordGraph::slotChoices(const QString &lowerCore, int slot, int count) const
{
    // A partial shuffle of the slot's words, so each core has its own choice;
    // a longer choice starts with the shorter one.
    const int total = static_cast<int>(slotWords(slot).size());
    count = std::min(count, total);
    QList<int> order(total);
    std::iota(order.begin(), order.end(), 0);
    SplitMix rng(stableHash(m_seed + 0x51d7ULL * static_cast<quint64>(slot + 1), lowerCore));
    for (int i = 0; i < count; ++i)
        std::swap(order[i], order[i + rng.below(total - i)]);
    order.resize(count);
    return order;
}

QStringList KeywordGraph::shortWordRelated(const QString &lower) const
{
    SplitMix rng(stableHash(m_seed, lower));
    const QStringList &pool = shortWords();
    const int wanted = 3 + rng.below(3);
    QStringList links;
    for (int attempt = 0; links.size() < wanted && attempt < 50; ++attempt) {
        const QString &word = pool.at(rng.below(static_cast<int>(pool.size())));
        if (word.toLower() != lower && !links.contains(word))
            links.append(word);
    }
    return links;
}

QStringList KeywordGraph::related(const QString &keyword) const
{
    const QString lower = keyword.toLower();
    if (lower.trimmed().isEmpty() || holdsMarkup(lower))
        return {};
    if (shortWords().contains(lower, Qt::CaseInsensitive))
        return shortWordRelated(lower);
    return neighbours(keyword, kRelatedMix);
}

QStringList KeywordGraph::suggestions(const QString &keyword) const
{
    const QString lower = keyword.toLower();
    if (lower.trimmed().isEmpty() || holdsMarkup(lower) ||
        shortWords().contains(lower, Qt::CaseInsensitive))
        return {};
    return neighbours(keyword, kSuggestionMix);
}

QStringList KeywordGraph::neighbours(const QString &keyword, const NeighbourMix &mix) const
{
    const QString lower = keyword.toLower();
    const KeywordShape shape = parseShape(keyword);
    std::array<QList<int>, SlotCount> choices;
    QList<int> filled;
    QList<int> empty;
    for (int slot = 0; slot < SlotCount; ++slot) {
        choices[slot] = slotChoices(shape.core.toLower(), slot, m_fanout * mix.choiceFactor);
        (shape.words[slot] >= 0 ? filled : empty).append(slot);
    }
    auto anyOf = [](SplitMix &rng, const QList<int> &list) {
        return list.at(rng.below(static_cast<int>(list.size())));
    };

    SplitMix rng(stableHash(m_seed + mix.stream, lower));
    const int wanted = mix.least + rng.below(mix.spread);
    QStringList links;
    for (int attempt = 0; links.size() < wanted && attempt < 200; ++attempt) {
        const int roll = rng.below(100);
        QString text;
        if (roll < mix.shortWordShare) {
            text = shortWords().at(rng.below(static_cast<int>(shortWords().size())));
        } else {
            KeywordShape next = shape;
            if (roll < mix.shortWordShare + mix.longerShare) {
                if (shape.level() >= m_depth || empty.isEmpty())
                    continue;
                const int slot = anyOf(rng, empty);
                next.words[slot] = anyOf(rng, choices[slot]);
            } else if (roll < mix.shortWordShare + mix.longerShare + mix.siblingShare) {
                if (filled.isEmpty())
                    continue;
                const int slot = anyOf(rng, filled);
                next.words[slot] = anyOf(rng, choices[slot]);
            } else {
                if (filled.isEmpty())
                    continue;
                next.words[anyOf(rng, filled)] = -1;
            }
            if (next.words == shape.words || !isCanonical(next))
                continue;
            text = composeShape(next);
        }
        if (!links.contains(text, Qt::CaseInsensitive))
            links.append(text);
    }
    // Engines now and then list one search twice in a block.
    if (mix.twins && links.size() > 2 && rng.below(10) == 0) {
        const int from = rng.below(static_cast<int>(links.size()));
        const int to = from + 1 + rng.below(static_cast<int>(links.size()) - from);
        links.insert(to, links.at(from));
    }
    return links;
}

qsizetype KeywordGraph::reachableFrom(const QString &keyword, qsizetype limit) const
{
    QSet<QString> seen;
    QStringList queue{keyword};
    for (qsizetype i = 0; i < queue.size() && seen.size() < limit; ++i) {
        for (const QString &link : related(queue.at(i))) {
            const QString lower = link.toLower();
            if (!seen.contains(lower)) {
                seen.insert(lower);
                queue.append(lower);
            }
        }
    }
    return std::min(seen.size(), limit);
}

} // namespace vantorix::sandbox
