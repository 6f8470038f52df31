#include "list/root_groups.h"

#include "list/keyword_list.h"
#include "list/word_breaker.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace vantorix::list {

namespace {

// The candidate roots of a keyword list: every word that could be a root, by
// id in the order first met, with the number of keywords holding it.
class WordTable
{
public:
    explicit WordTable(WordBreaker breaker) : m_breaker(std::move(breaker)) {}

    // Counts the words of each keyword; a repeated keyword is cut only once.
    void count(const QList<QStringView> &keywords)
    {
        m_keywordWords.resize(size_t(keywords.size()));
        QHash<QStringView, qint32> seen; // keyword → its word run + 1
        for (qsizetype i = 0; i < keywords.size(); ++i) {
            qint32 &run = seen[keywords[i]];
            if (run == 0)
                run = cut(keywords[i]) + 1;
            m_keywordWords[size_t(i)] = run - 1;
            const auto [begin, end] = m_runs[size_t(run - 1)];
            for (qint32 k = begin; k < end; ++k)
                ++m_counts[size_t(m_wordIds[size_t(k)])];
        }
    }

    // The root keyword `index` joins, or -1: among its words held by at least
    // `minSize` and at most `maxCount` keywords, and not `dropped`.
    qint32 rootOf(qsizetype index, int minSize, qsizetype maxCount,
                  const std::vector<bool> &dropped) const
    {
        const auto [begin, end] = m_runs[size_t(m_keywordWords[size_t(index)])];
        qint32 best = -1;
        for (qint32 k = begin; k < end; ++k) {
            const qint32 id = m_wordIds[size_t(k)];
            const qint32 held = m_counts[size_t(id)];
            if (held >= minSize && held <= maxCount && !dropped[size_t(id)] &&
                (best < 0 || beats(id, best)))
                best = id;
        }
        return best;
    }

    qint32 wordCount() const { return qint32(m_spellings.size()); }
    const QString &spelling(qint32 id) const { return m_spellings[id]; }

private:
    // More keywords, then longer, then met first (a lower id).
    bool beats(qint32 a, qint32 b) const
    {
        if (m_counts[size_t(a)] != m_counts[size_t(b)])
            return m_counts[size_t(a)] > m_counts[size_t(b)];
        if (m_spellings[a].size() != m_spellings[b].size())
            return m_spellings[a].size() > m_spellings[b].size();
        return a < b;
    }

    // Records the distinct candidate words of a keyword as a new run.
    qint32 cut(QStringView keyword)
    {
        m_breaker.split(keyword, m_words);
        const auto begin = qint32(m_wordIds.size());
        for (const QStringView word : m_words) {
            if (word.size() < 2)
                continue;
            const QString key = word.toString().toCaseFolded();
            if (key == kOtherGroup)
                continue;
            qint32 &id = m_ids[key];
            if (id == 0) {
                m_spellings.append(word.toString());
                m_counts.push_back(0);
                id = qint32(m_spellings.size());
            }
            if (std::find(m_wordIds.begin() + begin, m_wordIds.end(), id - 1) == m_wordIds.end())
                m_wordIds.push_back(id - 1);
        }
        m_runs.emplace_back(begin, qint32(m_wordIds.size()));
        return qint32(m_runs.size() - 1);
    }

    WordBreaker m_breaker;
    QList<QStringView> m_words;
    QHash<QString, qint32> m_ids; // folded word → id + 1
    QStringList m_spellings;
    std::vector<qint32> m_counts;
    std::vector<qint32> m_wordIds;                 // the runs, one after another
    std::vector<std::pair<qint32, qint32>> m_runs; // [begin, end) in m_wordIds
    std::vector<qint32> m_keywordWords;            // keyword → its run
};

} // namespace

Result<QList<RootGroup>> groupByRoot(const QList<QStringView> &keywords, int minSize)
{
    Result<WordBreaker> breaker = WordBreaker::create();
    if (!breaker)
        return failure(breaker.error());
    WordTable table(std::move(breaker).value());
    table.count(keywords);

    // A word in more than half of the keywords (the seed of a mined list)
    // tells them nothing apart: it is no root.
    const qsizetype maxCount = keywords.size() / 2;
    std::vector<qint32> rootOf(size_t(keywords.size()));
    std::vector<qsizetype> sizes;
    std::vector<bool> dropped(size_t(table.wordCount()));
    // A root left with fewer than minSize keywords (others took the rest) is
    // dropped and its keywords choose again, until every group is big enough.
    for (bool again = true; again;) {
        sizes.assign(size_t(table.wordCount()) + 1, 0); // the last one: no root
        for (qsizetype i = 0; i < keywords.size(); ++i) {
            const qint32 root = table.rootOf(i, minSize, maxCount, dropped);
            rootOf[size_t(i)] = root < 0 ? table.wordCount() : root;
            ++sizes[size_t(rootOf[size_t(i)])];
        }
        again = false;
        for (qint32 id = 0; id < table.wordCount(); ++id) {
            if (sizes[size_t(id)] > 0 && sizes[size_t(id)] < minSize) {
                dropped[size_t(id)] = true;
                again = true;
            }
        }
    }

    std::vector<qint32> order;
    for (qint32 id = 0; id < table.wordCount(); ++id) {
        if (sizes[size_t(id)] > 0)
            order.push_back(id);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](qint32 a, qint32 b) { return sizes[size_t(a)] > sizes[size_t(b)]; });
    if (sizes.back() > 0)
        order.push_back(table.wordCount());

    QList<RootGroup> groups(qsizetype(order.size()));
    std::vector<qint32> position(sizes.size());
    for (size_t g = 0; g < order.size(); ++g) {
        const qint32 id = order[g];
        groups[qsizetype(g)].name = id < table.wordCount() ? table.spelling(id) : kOtherGroup;
        groups[qsizetype(g)].keywords.reserve(sizes[size_t(id)]);
        position[size_t(id)] = qint32(g);
    }
    for (qsizetype i = 0; i < keywords.size(); ++i)
        groups[position[size_t(rootOf[size_t(i)])]].keywords.append(i);
    return groups;
}

Result<QString> groupListText(const QString &listText)
{
    QStringList pieces = splitList(listText);
    pieces.removeAll(QString());
    const Result<QList<RootGroup>> groups = groupByRoot({pieces.cbegin(), pieces.cend()});
    if (!groups)
        return failure(groups.error());
    QStringList ordered;
    ordered.reserve(pieces.size());
    for (const RootGroup &group : *groups) {
        for (const qsizetype i : group.keywords)
            ordered.append(pieces[i]);
    }
    return joinList(ordered);
}

} // namespace vantorix::list
