#include "mining/mining_run.h"

#include "list/filters.h"
#include "list/keyword_list.h"
#include "mining/readouts.h"

namespace vantorix::mining {

MiningRun::MiningRun(hotwords::PageFetcher *fetcher,
                     std::shared_ptr<const layout::PageLayout> layout, FetchPolicy policy,
                     QObject *parent)
    : QObject(parent), m_scheduler(fetcher, layout, policy),
      m_queue(&m_scheduler, policy.concurrency), m_maxFailuresInARow(policy.maxFailuresInARow),
      m_layout(std::move(layout))
{
    connect(&m_queue, &QueryQueue::arrived, this, &MiningRun::advance);
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
    m_queriesMade = 0;
    m_stayedBlocked = 0;
    // An unreadable number leaves the setting as the previous run had it.
    m_maxCount = list::parseFlooredNumber(input.limitText).value_or(m_maxCount);
    m_rules.filterText = input.filterText;
    m_rules.minLength = list::parseFlooredNumber(input.minLengthText).value_or(m_rules.minLength);
    m_startTime = currentWholeSecond();
    Q_EMIT started(m_startTime);

    m_seedMarkers = input.seedMarkers;
    // The seed is generation 0, an entry of its own.
    m_index = 0;
    m_generation = 0;
    m_generationEnd = 1;
    m_nextGenerationSize = 0;
    m_queue.clear();
    m_queue.append({input.seed});
    // Label2 is not changed for the seed.
    m_announced = 0;
    m_queue.request(0, false);
    return true;
}

void MiningRun::requestStop()
{
    m_runState = StopRequested;
}

QString MiningRun::harvest(const QueryOutcome &outcome, const QStringList &seedMarkers,
                           const QString &keyword)
{
    ++m_queriesMade;
    const Result<QueryPage> &page = outcome.page;
    if (!page) {
        if (outcome.blocked) {
            ++m_stayedBlocked;
            Q_EMIT queryBlocked(keyword, m_generation, page.error());
        } else {
            Q_EMIT queryFailed(keyword, m_generation, page.error());
        }
        // Waiting out the tries of every queued keyword helps nobody once
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

void MiningRun::advance()
{
    while (m_active) {
        if (m_index == m_generationEnd) {
            // Every harvest ends in CRLF, so a generation that accepted
            // nothing is exactly an empty one.
            if (m_nextGenerationSize == 0) {
                m_runState = Idle;
                finish();
                return;
            }
            // The generation is complete: its trailing empty entry closes the next.
            m_queue.append({QString()});
            ++m_generation;
            m_generationEnd = m_index + m_nextGenerationSize + 1;
            m_nextGenerationSize = 0;
        }
        if (m_announced != m_index) {
            // A stop is looked at before each query; the query in flight finishes.
            if (m_runState == StopRequested) {
                finish();
                return;
            }
            m_announced = m_index;
            Q_EMIT querying(m_queue.keyword(m_index));
        }
        const QString entry = m_queue.keyword(m_index); // taking it lets it go
        m_queue.request(m_index, m_runState == Running);
        const std::optional<QueryOutcome> outcome = m_queue.take(m_index);
        if (!outcome)
            return; // arrived() brings us back
        const bool seed = m_index == 0;
        const QString found = harvest(*outcome, seed ? m_seedMarkers : QStringList(), entry);
        if (seed) {
            Q_EMIT firstHarvest(found);
            m_seen.reset(list::kSeparator + found + list::kSeparator);
        } else {
            m_seen.append(found);
            Q_EMIT listReplaced(m_seen.text());
        }
        // The next generation's entries, known now that every reply before
        // them has been processed: the harvest's keywords (its final CRLF
        // gives no entry of its own).
        QStringList next = list::splitList(found);
        if (!next.isEmpty())
            next.removeLast();
        m_nextGenerationSize += next.size();
        m_queue.append(next);
        ++m_index;
    }
}

void MiningRun::finish()
{
    m_queue.clear();
    m_active = false;
    Q_EMIT finished(m_runState);
}

} // namespace vantorix::mining
