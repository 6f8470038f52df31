#include "mining/mining_run.h"

#include "list/filters.h"
#include "list/keyword_list.h"
#include "mining/readouts.h"

namespace vantorix::mining {

MiningRun::MiningRun(hotwords::PageFetcher *fetcher,
                     std::shared_ptr<const layout::PageLayout> layout, FetchPolicy policy,
                     QObject *parent)
    : QObject(parent), m_queue(fetcher, layout, policy),
      m_maxFailuresInARow(policy.maxFailuresInARow), m_layout(std::move(layout))
{
    connect(&m_queue, &QueryQueue::arrived, this, &MiningRun::advance);
}

void MiningRun::begin(const MiningInput &input)
{
    m_active = true;
    m_runState = Running;
    // An unreadable number leaves the setting as the previous run had it.
    m_maxCount = list::parseFlooredNumber(input.limitText).value_or(m_maxCount);
    m_rules.filterText = input.filterText;
    m_rules.minLength = list::parseFlooredNumber(input.minLengthText).value_or(m_rules.minLength);
    m_seedMarkers = input.seedMarkers;
    m_source = input.source;
    m_expansion = input.expansion;
    m_maxQueries = input.maxQueries;
    m_seen.setKnown(input.knownKeywords);
    m_startTime = currentWholeSecond();
    Q_EMIT started(m_startTime);
}

bool MiningRun::start(const MiningInput &input)
{
    if (m_active)
        return false;
    begin(input);
    m_foundCount = 0;
    m_queriesDone = 0;
    m_failedQueries = 0;
    m_failuresInARow = 0;
    m_pagesWithoutBlock = 0;
    m_firstHarvest.clear();
    m_firstError.clear();
    // The seen-list stays as the previous run left it until the first harvest.
    loadGeneration(0, {input.seed});
    advance();
    return true;
}

Result<> MiningRun::resume(const MiningInput &input, const RunCheckpoint &checkpoint)
{
    if (m_active)
        return failure(QStringLiteral("a run is in progress"));
    const qsizetype queries =
        planQueries(checkpoint.keywords, input.source,
                    checkpoint.generation <= 1 ? input.expansion : Expansion::None)
            .size();
    if (checkpoint.generation < 0 || checkpoint.position < 0 || checkpoint.position > queries ||
        (checkpoint.generation == 0 && checkpoint.keywords != QStringList{input.seed}) ||
        (checkpoint.queriesDone == 0) != (checkpoint.generation == 0 && checkpoint.position == 0))
        return failure(QStringLiteral("the position does not fit the run's settings"));
    begin(input);
    m_foundCount = checkpoint.foundCount;
    m_queriesDone = checkpoint.queriesDone;
    m_failedQueries = checkpoint.failedQueries;
    m_failuresInARow = checkpoint.failuresInARow;
    m_pagesWithoutBlock = checkpoint.pagesWithoutBlock;
    m_firstHarvest = checkpoint.firstHarvest;
    m_firstError = checkpoint.firstError;
    m_seen.reset(checkpoint.seenList);
    // The stops the run had raised itself; a stop asked from outside is not
    // kept, so an interrupted run goes on.
    if ((m_foundCount > 0 && m_foundCount >= m_maxCount) ||
        (m_maxFailuresInARow > 0 && m_failuresInARow >= m_maxFailuresInARow))
        m_runState = StopRequested;
    // What a reader of the list saw so far, written again.
    if (m_queriesDone > 0)
        Q_EMIT firstHarvest(m_firstHarvest);
    if (m_queriesDone > 1)
        Q_EMIT listReplaced(m_seen.text());
    if (m_foundCount > 0)
        Q_EMIT countChanged(countText(m_foundCount));
    loadGeneration(checkpoint.generation, checkpoint.keywords);
    m_index = checkpoint.position;
    m_nextGeneration = checkpoint.nextGeneration;
    advance();
    return {};
}

RunCheckpoint MiningRun::checkpoint() const
{
    return {m_generation,  m_keywords,      m_index,          m_nextGeneration,
            m_seen.text(), m_firstHarvest,  m_firstError,     m_foundCount,
            m_queriesDone, m_failedQueries, m_failuresInARow, m_pagesWithoutBlock};
}

void MiningRun::requestStop()
{
    m_runState = StopRequested;
}

QStringList MiningRun::candidates(const Result<QueryPage> &page, const PlannedQuery &query,
                                  bool first)
{
    if (!page) {
        Q_EMIT queryFailed(query.text, m_generation, page.error());
        if (first)
            m_firstError = page.error();
        else
            ++m_failedQueries;
        // Waiting out the time-out of every queued keyword helps nobody once
        // the server has stopped answering.
        if (++m_failuresInARow == m_maxFailuresInARow)
            requestStop();
        return {};
    }
    m_failuresInARow = 0;
    if (page->malformed)
        Q_EMIT pageMalformed(query.text);
    if (query.kind == QueryKind::Suggest)
        return m_layout->suggestions(page->text);
    const layout::RelatedSearches related =
        m_layout->relatedSearches(page->text, first ? m_seedMarkers : QStringList());
    // The empty keyword's page never holds a block.
    if (!related.blockFound && !query.text.isEmpty())
        ++m_pagesWithoutBlock;
    return related.candidates;
}

QString MiningRun::harvest(const QStringList &candidates, const PlannedQuery &query)
{
    const int generation = m_generation + 1;
    return jcf(candidates, m_rules, m_seen, [&](const QString &word) {
        ++m_foundCount;
        Q_EMIT countChanged(countText(m_foundCount));
        if (m_foundCount >= m_maxCount)
            requestStop();
        Q_EMIT keywordAccepted(word, generation, query.text, query.kind);
    });
}

void MiningRun::loadGeneration(int generation, const QStringList &keywords)
{
    m_generation = generation;
    m_keywords = keywords;
    m_plan = planQueries(keywords, m_source, generation <= 1 ? m_expansion : Expansion::None);
    m_nextGeneration.clear();
    m_index = 0;
    m_announced = -1;
    QList<QUrl> addresses;
    addresses.reserve(m_plan.size());
    for (const PlannedQuery &query : std::as_const(m_plan))
        addresses.append(query.kind == QueryKind::Related ? m_layout->searchUrl(query.text)
                                                          : m_layout->suggestUrl(query.text));
    m_queue.load(addresses);
}

void MiningRun::advance()
{
    while (m_active) {
        if (m_index == m_plan.size()) {
            // Every harvest ends in CRLF, so a generation that accepted
            // nothing is exactly an empty one.
            if (m_nextGeneration.isEmpty()) {
                m_runState = Idle;
                finish();
                return;
            }
            loadGeneration(m_generation + 1, list::splitList(m_nextGeneration));
            continue;
        }
        const PlannedQuery &query = m_plan.at(m_index);
        // The seed query: not shown in Label2, and no stop can be pending yet.
        const bool first = m_generation == 0 && m_index == 0;
        if (m_announced != m_index) {
            if (m_maxQueries > 0 && m_queriesDone >= m_maxQueries)
                requestStop();
            // A stop is looked at before each query; the query in flight finishes.
            if (!first && m_runState == StopRequested) {
                finish();
                return;
            }
            m_announced = m_index;
            if (!first)
                Q_EMIT querying(query.text);
            m_queue.request(m_index, m_runState == Running);
        }
        const std::optional<Result<QueryPage>> page = m_queue.take(m_index);
        if (!page)
            return; // arrived() brings us back
        const QString found = harvest(candidates(*page, query, first), query);
        m_nextGeneration += found;
        ++m_queriesDone;
        ++m_index;
        if (first) {
            m_firstHarvest = found;
            Q_EMIT firstHarvest(found);
            m_seen.reset(list::kSeparator + found + list::kSeparator);
        } else {
            m_seen.append(found);
            Q_EMIT listReplaced(m_seen.text());
        }
        Q_EMIT checkpointReached();
        // Keep the look-ahead window full while the run is still going.
        if (m_runState == Running && m_index < m_plan.size())
            m_queue.request(m_index, true);
    }
}

void MiningRun::finish()
{
    m_queue.clear();
    m_plan.clear();
    m_active = false;
    Q_EMIT finished(m_runState);
}

} // namespace vantorix::mining
