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
    connect(&m_queue, &QueryQueue::arrived, this, [this] {
        if (m_seedPending)
            onSeedArrived();
        else
            advance();
    });
}

bool MiningRun::start(const MiningInput &input)
{
    if (m_active)
        return false;
    m_active = true;
    m_runState = Running;
    m_foundCount = 0;
    m_failuresInARow = 0;
    m_pagesWithoutBlock = 0;
    // An unreadable number leaves the setting as the previous run had it.
    m_maxCount = list::parseFlooredNumber(input.limitText).value_or(m_maxCount);
    m_rules.filterText = input.filterText;
    m_rules.minLength = list::parseFlooredNumber(input.minLengthText).value_or(m_rules.minLength);
    m_startTime = currentWholeSecond();
    Q_EMIT started(m_startTime);

    m_seedMarkers = input.seedMarkers;
    m_generation = 0;
    m_entries = {input.seed};
    m_seedPending = true;
    m_queue.load(m_entries);
    m_queue.request(0, false);
    return true;
}

void MiningRun::requestStop()
{
    m_runState = StopRequested;
}

QString MiningRun::harvest(const Result<QueryPage> &page, const QStringList &seedMarkers,
                           const QString &keyword)
{
    if (!page) {
        Q_EMIT queryFailed(keyword, m_generation, page.error());
        // Waiting out the time-out of every queued keyword helps nobody once
        // the server has stopped answering.
        if (++m_failuresInARow == m_maxFailuresInARow)
            requestStop();
        return {};
    }
    m_failuresInARow = 0;
    if (page->malformed)
        Q_EMIT pageMalformed(keyword);
    const layout::RelatedSearches related = m_layout->relatedSearches(page->text, seedMarkers);
    // The empty keyword's page never holds a block.
    if (!related.blockFound && !keyword.isEmpty())
        ++m_pagesWithoutBlock;
    const int generation = m_generation + 1;
    return jcf(related.candidates, m_rules, m_seen, [&](const QString &word) {
        ++m_foundCount;
        Q_EMIT countChanged(countText(m_foundCount));
        if (m_foundCount >= m_maxCount)
            requestStop();
        Q_EMIT keywordAccepted(word, generation, keyword);
    });
}

void MiningRun::onSeedArrived()
{
    const std::optional<Result<QueryPage>> page = m_queue.take(0);
    if (!page)
        return;
    m_seedPending = false;
    const QString first = harvest(*page, m_seedMarkers, m_entries.constFirst());
    Q_EMIT firstHarvest(first);
    m_seen.reset(list::kSeparator + first + list::kSeparator);
    m_nextGeneration = first;
    beginGeneration();
    advance();
}

void MiningRun::beginGeneration()
{
    ++m_generation;
    m_entries = list::splitList(m_nextGeneration);
    m_nextGeneration.clear();
    m_index = 0;
    m_announced = -1;
    m_queue.load(m_entries);
}

void MiningRun::advance()
{
    while (m_active) {
        if (m_index == m_entries.size()) {
            // Every harvest ends in CRLF, so a generation that accepted
            // nothing is exactly an empty one.
            if (m_nextGeneration.isEmpty()) {
                m_runState = Idle;
                finish();
                return;
            }
            beginGeneration();
            continue;
        }
        const QString &entry = m_entries.at(m_index);
        if (m_announced != m_index) {
            // A stop is looked at before each query; the query in flight finishes.
            if (m_runState == StopRequested) {
                finish();
                return;
            }
            m_announced = m_index;
            Q_EMIT querying(entry);
            m_queue.request(m_index, m_runState == Running);
        }
        const std::optional<Result<QueryPage>> page = m_queue.take(m_index);
        if (!page)
            return; // arrived() brings us back
        const QString found = harvest(*page, {}, entry);
        m_nextGeneration += found;
        m_seen.append(found);
        ++m_index;
        Q_EMIT listReplaced(m_seen.text());
        // Keep the look-ahead window full while the run is still going.
        if (m_runState == Running && m_index < m_entries.size())
            m_queue.request(m_index, true);
    }
}

void MiningRun::finish()
{
    m_queue.clear();
    m_entries.clear();
    m_active = false;
    Q_EMIT finished(m_runState);
}

} // namespace vantorix::mining
