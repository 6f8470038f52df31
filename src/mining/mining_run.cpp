#include "mining/mining_run.h"

#include "list/filters.h"
#include "list/keyword_list.h"
#include "mining/readouts.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace vantorix::mining {

namespace {

// The keywords of a harvest (its final CRLF gives no entry of its own).
QStringList harvestKeywords(const QString &harvest)
{
    QStringList keywords = list::splitList(harvest);
    if (!keywords.isEmpty())
        keywords.removeLast();
    return keywords;
}

std::vector<std::unique_ptr<FetchScheduler>> schedulersOf(const std::vector<RunEngine> &engines)
{
    std::vector<std::unique_ptr<FetchScheduler>> schedulers;
    for (const RunEngine &engine : engines)
        schedulers.push_back(
            std::make_unique<FetchScheduler>(engine.fetcher, engine.layout, engine.policy));
    return schedulers;
}

std::vector<FetchScheduler *> pointersTo(const std::vector<std::unique_ptr<FetchScheduler>> &all)
{
    std::vector<FetchScheduler *> pointers;
    for (const auto &scheduler : all)
        pointers.push_back(scheduler.get());
    return pointers;
}

// A count a checkpoint keeps by engine, one for each of the run's.
QList<int> byEngine(QList<int> counts, int engines)
{
    counts.resize(engines);
    return counts;
}

} // namespace

MiningRun::MiningRun(web::PageFetcher *fetcher, std::shared_ptr<const layout::PageLayout> layout,
                     FetchPolicy policy, QObject *parent)
    : MiningRun(std::vector<RunEngine>{{fetcher, std::move(layout), std::move(policy)}}, parent)
{
}

MiningRun::MiningRun(const std::vector<RunEngine> &engines, QObject *parent)
    : QObject(parent), m_schedulers(schedulersOf(engines)),
      m_queue(pointersTo(m_schedulers), engines.front().policy.concurrency,
              [this](qsizetype index, const PlannedQuery &query, QueryOutcome outcome) {
                  return read(index, query, std::move(outcome));
              }),
      m_maxFailuresInARow(engines.front().policy.maxFailuresInARow)
{
    for (const RunEngine &engine : engines)
        m_layouts.push_back(engine.layout);
    connect(&m_queue, &QueryQueue::arrived, this, &MiningRun::advance);
    // A run stops when it has no way out left on any engine it asks.
    for (const auto &scheduler : m_schedulers)
        connect(scheduler.get(), &FetchScheduler::exhaustedRoutes, this, [this] {
            for (const PlanEngine &engine : std::as_const(m_engines))
                if (!m_schedulers[size_t(engine.index)]->exhausted())
                    return;
            requestStop();
        });
}

MiningRun::~MiningRun()
{
    m_queue.clear(); // before the schedulers go
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
    m_engines = enginesFor(input);
    m_startTime = currentWholeSecond();
    Q_EMIT started(m_startTime);
    m_queue.clear();
    for (const auto &scheduler : m_schedulers)
        scheduler->reopen();
    m_index = 0;
    m_announced = -1;
    m_unanswered.clear();
    m_retrying = 0;
}

bool MiningRun::start(const MiningInput &input)
{
    if (m_active)
        return false;
    begin(input);
    m_foundCount = 0;
    m_failuresByEngine = byEngine({}, engineCount());
    m_queriesByEngine = byEngine({}, engineCount());
    m_foundByEngine = byEngine({}, engineCount());
    m_failuresInARow = 0;
    m_pagesWithoutBlock = 0;
    m_queriesMade = 0;
    m_failedQueries = 0;
    m_stayedBlocked = 0;
    m_firstHarvest.clear();
    m_firstError.clear();
    m_firstBlocked = false;
    m_firstFailure.clear();
    // The seen-list stays as the previous run left it until the first harvest.
    m_generation = 0;
    m_keywords = {input.seed};
    m_position = 0;
    m_nextGeneration.clear();
    m_nextQueued = 0;
    m_generationEnd = enqueue(m_keywords, 0);
    advance();
    return true;
}

Result<> MiningRun::resume(const MiningInput &input, const RunCheckpoint &at)
{
    if (m_active)
        return failure(QCoreApplication::translate("mining", "a run is in progress"));
    m_source = input.source;
    m_expansion = input.expansion;
    m_engines = enginesFor(input);
    const QList<PlannedQuery> plan = this->plan(at.keywords, at.generation);
    const bool atStart = at.generation == 0 && at.position == 0;
    // Nothing came of the run but the first query's failure: it starts again.
    const bool nothingYet = at.generation == 0 && !at.firstError.isEmpty() && at.foundCount == 0 &&
                            at.nextGeneration.isEmpty();
    if (at.generation < 0 || at.position < 0 || at.position > plan.size() ||
        (at.generation == 0 && at.keywords != QStringList{input.seed}) ||
        (at.queriesMade == 0) != atStart ||
        std::any_of(at.unanswered.cbegin(), at.unanswered.cend(),
                    [this](const PlannedQuery &query) {
                        return query.engine < 0 || query.engine >= engineCount();
                    }) ||
        !(at.nextGeneration.isEmpty() || at.nextGeneration.endsWith(list::kSeparator)))
        return failure(
            QCoreApplication::translate("mining", "the position does not fit the run's settings"));
    if (atStart || nothingYet) {
        start(input);
        return {};
    }
    begin(input);
    m_foundCount = at.foundCount;
    m_failuresByEngine = byEngine({}, engineCount());
    m_queriesByEngine = byEngine(at.queriesByEngine, engineCount());
    m_foundByEngine = byEngine(at.foundByEngine, engineCount());
    // The failures are asked again, so they count afresh: a run stopped by
    // them goes on once the network is back.
    m_failuresInARow = 0;
    m_failedQueries = 0;
    m_stayedBlocked = 0;
    m_firstFailure.clear();
    m_pagesWithoutBlock = at.pagesWithoutBlock;
    m_queriesMade = at.queriesMade;
    m_firstHarvest = at.firstHarvest;
    m_firstError = at.firstError;
    m_firstBlocked = at.firstBlocked;
    m_seen.reset(at.seenList);
    // The limit the run had reached; a stop asked from outside is not kept,
    // so an interrupted run goes on.
    if (m_foundCount > 0 && m_foundCount >= m_maxCount)
        m_runState = StopRequested;
    // What a reader of the list saw so far, written again.
    Q_EMIT firstHarvest(m_firstHarvest);
    if (m_queriesMade > 1)
        Q_EMIT listReplaced(m_seen.text());
    if (m_foundCount > 0)
        Q_EMIT countChanged(countText(m_foundCount));
    m_generation = at.generation;
    m_keywords = at.keywords;
    m_position = at.position;
    m_unanswered = at.unanswered;
    m_retrying = m_unanswered.size();
    enqueue(m_unanswered + plan.mid(at.position));
    m_generationEnd = m_retrying + plan.size() - at.position;
    m_nextGeneration = at.nextGeneration;
    m_nextQueued = enqueue(harvestKeywords(m_nextGeneration), m_generation + 1);
    advance();
    return {};
}

RunCheckpoint MiningRun::checkpoint() const
{
    return {m_generation,     m_keywords,          m_position,      m_nextGeneration,
            m_seen.text(),    m_firstHarvest,      m_firstError,    m_firstBlocked,
            m_foundCount,     m_queriesMade,       m_failedQueries, m_stayedBlocked,
            m_failuresInARow, m_pagesWithoutBlock, m_unanswered,    m_queriesByEngine,
            m_foundByEngine};
}

bool MiningRun::needsSeedMarkers(const RunCheckpoint *resumeFrom) const
{
    return m_layouts.front()->usesSeedMarkers() && (!resumeFrom || resumeFrom->queriesMade == 0);
}

void MiningRun::requestStop()
{
    m_runState = StopRequested;
    for (const auto &scheduler : m_schedulers)
        scheduler->halt();
}

QList<PlanEngine> MiningRun::enginesFor(const MiningInput &input) const
{
    QList<int> chosen;
    for (const int index : input.engines)
        if (index >= 0 && index < engineCount() && !chosen.contains(index))
            chosen.append(index);
    if (input.engines.isEmpty())
        for (int index = 0; index < engineCount(); ++index)
            chosen.append(index);
    if (chosen.isEmpty())
        chosen.append(0);
    QList<PlanEngine> engines;
    for (const int index : chosen)
        engines.append({index, m_layouts[size_t(index)]->hasSuggestions()});
    return engines;
}

QList<PlannedQuery> MiningRun::plan(const QStringList &keywords, int generation) const
{
    return planQueries(keywords, m_source, generation <= 1 ? m_expansion : Expansion::None,
                       m_engines);
}

qsizetype MiningRun::enqueue(const QStringList &keywords, int generation)
{
    const QList<PlannedQuery> queries = plan(keywords, generation);
    enqueue(queries);
    return queries.size();
}

void MiningRun::enqueue(const QList<PlannedQuery> &queries)
{
    for (const PlannedQuery &query : queries) {
        const layout::PageLayout &layout = layoutOf(query);
        m_queue.append(query, query.kind == QueryKind::Related ? layout.searchUrl(query.text)
                                                               : layout.suggestUrl(query.text));
    }
}

ReadOutcome MiningRun::read(qsizetype index, const PlannedQuery &query, QueryOutcome outcome) const
{
    ReadOutcome read{std::move(outcome), {}, false};
    Result<web::DecodedPage> &page = read.outcome.page;
    if (!page)
        return read;
    if (query.kind == QueryKind::Suggest) {
        layout::Suggestions suggested = layoutOf(query).suggestions(page->text);
        read.words = std::move(suggested.words);
        read.found = suggested.usable;
    } else {
        // Only a fresh run's first entry is cut with the seed markers.
        const bool first = index == 0 && m_queriesMade == 0;
        layout::RelatedSearches related =
            layoutOf(query).relatedSearches(page->text, first ? m_seedMarkers : QStringList());
        read.words = std::move(related.candidates);
        read.found = related.blockFound;
    }
    page->text.clear();
    return read;
}

QStringList MiningRun::candidates(const ReadOutcome &read, const PlannedQuery &query, bool first)
{
    const QueryOutcome &outcome = read.outcome;
    const Result<web::DecodedPage> &page = outcome.page;
    if (!page) {
        if (outcome.blocked) {
            ++m_stayedBlocked;
        } else {
            if (!first)
                ++m_failedQueries;
            if (m_firstFailure.isEmpty())
                m_firstFailure = page.error();
            Q_EMIT queryFailed(query.text, m_generation, page.error());
        }
        if (first) {
            m_firstError = page.error();
            m_firstBlocked = outcome.blocked;
        }
        // Waiting out the tries of every queued query helps nobody once the
        // server has stopped answering; an engine that has, while the others
        // answer, would otherwise hold the run to its time-outs.
        if (++m_failuresByEngine[query.engine] == m_maxFailuresInARow)
            requestStop();
        m_failuresInARow =
            *std::max_element(m_failuresByEngine.cbegin(), m_failuresByEngine.cend());
        return {};
    }
    m_failuresByEngine[query.engine] = 0;
    m_failuresInARow = *std::max_element(m_failuresByEngine.cbegin(), m_failuresByEngine.cend());
    if (page->malformed)
        Q_EMIT pageMalformed(query.text);
    if (query.kind == QueryKind::Suggest) {
        if (!read.found)
            Q_EMIT suggestionsUnusable(query.text);
        return read.words;
    }
    // The empty keyword's page never holds a block.
    if (!read.found && !query.text.isEmpty())
        ++m_pagesWithoutBlock;
    return read.words;
}

QString MiningRun::harvest(const QStringList &candidates, const PlannedQuery &query)
{
    const int generation = m_generation + 1;
    return jcf(candidates, m_rules, m_seen, [&](const QString &word) {
        ++m_foundCount;
        ++m_foundByEngine[query.engine];
        Q_EMIT countChanged(countText(m_foundCount));
        if (m_foundCount >= m_maxCount)
            requestStop();
        Q_EMIT keywordAccepted(word, generation, query.text, query.kind, query.engine);
    });
}

void MiningRun::advance()
{
    while (m_active) {
        if (m_index == m_generationEnd) {
            // Every harvest ends in CRLF, so a generation that accepted
            // nothing is exactly an empty one.
            if (m_nextGeneration.isEmpty()) {
                m_runState = Idle;
                finish();
                return;
            }
            // The generation is complete: its trailing empty entry closes the next.
            m_keywords = list::splitList(m_nextGeneration);
            m_generationEnd = m_index + m_nextQueued + enqueue({QString()}, ++m_generation);
            m_position = 0;
            m_nextGeneration.clear();
            m_nextQueued = 0;
        }
        // The first query: not announced as querying, and no stop can be pending yet.
        const bool first = m_queriesMade == 0;
        if (m_announced != m_index) {
            if (m_maxQueries > 0 && m_queriesMade >= m_maxQueries)
                requestStop();
            // A stop is looked at before each query; the query in flight finishes.
            if (!first && m_runState == StopRequested) {
                finish();
                return;
            }
            m_announced = m_index;
            if (!first)
                Q_EMIT querying(m_queue.query(m_index).text);
        }
        const PlannedQuery query = m_queue.query(m_index); // taking it lets it go
        // Look ahead while the run goes on, never past the cap on queries.
        const qsizetype before = m_maxQueries > 0 ? m_index + m_maxQueries - m_queriesMade
                                                  : std::numeric_limits<qsizetype>::max();
        m_queue.request(m_index, m_runState == Running, before);
        const std::optional<ReadOutcome> outcome = m_queue.take(m_index);
        if (!outcome)
            return; // arrived() brings us back
        if (outcome->outcome.abandoned) {
            finish(); // stopped before it was asked: it stays where it was
            return;
        }
        const QString found = harvest(candidates(*outcome, query, first), query);
        const bool retried = m_retrying > 0;
        if (retried) {
            --m_retrying;
            m_unanswered.removeFirst();
        } else {
            ++m_position;
        }
        const bool answered = bool(outcome->outcome.page);
        if (!answered)
            m_unanswered.append(query);
        ++m_queriesMade;
        ++m_queriesByEngine[query.engine];
        ++m_index;
        // The next generation's entries, known now that every reply before
        // them has been processed.
        m_nextGeneration += found;
        m_nextQueued += enqueue(harvestKeywords(found), m_generation + 1);
        if (first) {
            m_firstHarvest = found;
            Q_EMIT firstHarvest(found);
            m_seen.reset(list::kSeparator + found + list::kSeparator);
        } else {
            m_seen.append(found);
            Q_EMIT listReplaced(m_seen.text());
        }
        m_lastStep = {m_generation,
                      retried,
                      found,
                      m_foundCount,
                      m_queriesMade,
                      m_failedQueries,
                      m_stayedBlocked,
                      m_failuresInARow,
                      m_pagesWithoutBlock,
                      first ? m_firstError : QString(),
                      first && m_firstBlocked,
                      answered ? std::nullopt : std::optional<PlannedQuery>(query),
                      query.engine};
        Q_EMIT checkpointReached();
    }
}

void MiningRun::finish()
{
    m_queue.clear();
    m_active = false;
    Q_EMIT finished(m_runState);
}

} // namespace vantorix::mining
