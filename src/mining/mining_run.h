#pragma once

#include "mining/fetch_scheduler.h"
#include "mining/jcf.h"
#include "mining/query_plan.h"
#include "mining/query_queue.h"
#include "mining/run_checkpoint.h"
#include "mining/seen_keywords.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

namespace vantorix::mining {

// What a run starts from, as typed.
struct MiningInput
{
    QString seed;            // the seed keyword, neither trimmed nor checked
    QString limitText;       // the keyword limit
    QString minLengthText;   // keywords must be longer than this
    QString filterText;      // keywords must contain this, unless it is kFilterOff
    QStringList seedMarkers; // the marker page's pair, for layouts that cut the seed with it
    SourceChoice source = SourceChoice::Related;
    Expansion expansion = Expansion::None; // variants of the seed and the first generation
    int maxQueries = 0;                    // the run stops before query N + 1; 0: no cap
    QStringList knownKeywords{};           // found before; the duplicate test drops them
    QList<int> engines{};                  // which of the run's engines, in order; empty: all
};

// One engine a run may ask: its pages, how they are read, and how its
// queries go out. Each engine has its own pace, back-off and cookies.
struct RunEngine
{
    web::PageFetcher *fetcher;
    std::shared_ptr<const layout::PageLayout> layout;
    FetchPolicy policy;
};

// One window's mining: the run variables live as long as this object and
// carry over from run to run. A run is a state machine advanced by the
// replies of its queries; replies are processed strictly in query order.
// Each generation's keywords become queries as planQueries() lays them out;
// the variant queries of the seed and of the first generation are asked like
// keywords and their harvests join that generation's, but a variant itself is
// no keyword: it is not listed, counted or queried further unless a page
// lists it. The queries of all generations form one list: the next
// generation's join it as the replies before them are processed, so queries
// may run ahead across a generation's end (its trailing empty entry waits for
// the generation to be complete). With several engines every keyword is asked
// of each in turn; the harvest rules and the duplicate test are shared, so a
// keyword two engines list is found once, on the engine asked first.
class MiningRun : public QObject
{
    Q_OBJECT
public:
    enum RunState { Idle = 0, Running = 1, StopRequested = 2 };

    MiningRun(web::PageFetcher *fetcher, std::shared_ptr<const layout::PageLayout> layout,
              FetchPolicy policy, QObject *parent = nullptr);
    // The run's and the window's concurrency and failure limit are the first engine's.
    explicit MiningRun(const std::vector<RunEngine> &engines, QObject *parent = nullptr);
    ~MiningRun() override;

    // Starts a run; ignored (returns false) while one is in progress.
    bool start(const MiningInput &input);
    // Goes on with a run that stood at `checkpoint` when it was started with
    // `input`: it ends as that run would have, announcing only what comes
    // after. Queries that brought no page are asked again first (their
    // harvests join the generation under way), with the counts of failures
    // starting again from zero; a run whose first query brought no page and
    // that found nothing starts afresh. Fails while a run is in progress or
    // when the checkpoint does not fit the input.
    Result<> resume(const MiningInput &input, const RunCheckpoint &checkpoint);
    // Where the run stands: taken after checkpointReached(), it resumes the run
    // from there.
    RunCheckpoint checkpoint() const;
    // What the last processed query changed: applied to the checkpoint before
    // it, it gives the checkpoint after it.
    const QueryStep &lastStep() const { return m_lastStep; }
    // Whether the run's first query is cut with the publisher's marker pair,
    // so that the marker page is worth reading first; not for a run resumed
    // past that query.
    bool needsSeedMarkers(const RunCheckpoint *resumeFrom = nullptr) const;
    // The stop button: the run ends before its next query; a query still
    // waiting for its pace, a back-off or a proxy's rest is not asked.
    void requestStop();

    bool isActive() const { return m_active; }
    int runState() const { return m_runState; }
    int foundCount() const { return m_foundCount; }
    // Queries of this run that failed or stayed blocked since the last one
    // that brought a page, on the engine where they are most.
    int failuresInARow() const { return m_failuresInARow; }
    // Queries of this run whose outcome was taken, the first one included.
    int queriesMade() const { return m_queriesMade; }
    // Failed queries after the first (blocked ones aside), and why the first
    // brought no page (empty if it did).
    int failedQueries() const { return m_failedQueries; }
    const QString &firstError() const { return m_firstError; }
    bool firstBlocked() const { return m_firstBlocked; }
    // Failed queries of this run, the first included (blocked ones aside),
    // and why the first of them failed.
    int failedCount() const { return m_failedQueries + (failedFirst() ? 1 : 0); }
    const QString &firstFailure() const { return m_firstFailure; }
    // Queries of this run that stayed blocked through all their tries.
    int stayedBlocked() const { return m_stayedBlocked; }
    // An engine's routes out, their paces and counts (blocks, rests).
    const FetchScheduler &fetching(int engine = 0) const { return *m_schedulers[size_t(engine)]; }
    int engineCount() const { return int(m_schedulers.size()); }
    // By engine: queries of this run processed, and keywords found there first.
    QList<int> queriesByEngine() const { return m_queriesByEngine; }
    QList<int> foundByEngine() const { return m_foundByEngine; }
    int maxCount() const { return m_maxCount; }
    int minLength() const { return m_rules.minLength; }
    QString filterText() const { return m_rules.filterText; }
    QDateTime startTime() const { return m_startTime; }
    const QString &seenList() const { return m_seen.text(); }
    // Result pages of this run (the empty keyword's aside) that arrived
    // without a related-searches block: the sign of a changed page layout.
    int pagesWithoutBlock() const { return m_pagesWithoutBlock; }

Q_SIGNALS:
    void started(const QDateTime &startTime);
    // The keyword whose page is being fetched (not sent for the seed).
    void querying(const QString &keyword);
    // The found-count read-out, "N 个".
    void countChanged(const QString &countText);
    // `parent` is the text of the query that found it (a keyword or a variant).
    void keywordAccepted(const QString &keyword, int generation, const QString &parent,
                         vantorix::mining::QueryKind source, int engine);
    // The seed's harvest, to be appended to the list as it stands.
    void firstHarvest(const QString &harvest);
    // The list is to be replaced by the seen-list.
    void listReplaced(const QString &seenList);
    // A query whose page could not be fetched (after its retries); it
    // harvests nothing. `generation` is 0 for the seed and its variants, else
    // the generation of the queried keyword.
    void queryFailed(const QString &keyword, int generation, const QString &error);
    // A page that held bytes invalid in its charset (read as stand-ins).
    void pageMalformed(const QString &keyword);
    // A suggestion answer that could not be read (empty, not JSON, cut off).
    void suggestionsUnusable(const QString &keyword);
    // A query has been processed and its harvest written out: the moment to
    // take a checkpoint.
    void checkpointReached();
    void finished(int runState);

private:
    void begin(const MiningInput &input);
    // The candidates of a query's outcome (none when it brought no page); the
    // run's first query is cut with the seed markers.
    QStringList candidates(const ReadOutcome &read, const PlannedQuery &query, bool first);
    // The words of an outcome's page, read as it arrives.
    ReadOutcome read(qsizetype index, const PlannedQuery &query, QueryOutcome outcome) const;
    QString harvest(const QStringList &candidates, const PlannedQuery &query);
    // The engines the input asks for, in its order.
    QList<PlanEngine> enginesFor(const MiningInput &input) const;
    // The queries of keywords of `generation`, in order.
    QList<PlannedQuery> plan(const QStringList &keywords, int generation) const;
    // Queues the queries of keywords of `generation`; gives how many.
    qsizetype enqueue(const QStringList &keywords, int generation);
    void enqueue(const QList<PlannedQuery> &queries);
    const layout::PageLayout &layoutOf(const PlannedQuery &query) const
    {
        return *m_layouts[size_t(query.engine)];
    }
    void advance();
    void finish();
    bool failedFirst() const { return !m_firstError.isEmpty() && !m_firstBlocked; }

    std::vector<std::unique_ptr<FetchScheduler>> m_schedulers; // by engine
    std::vector<std::shared_ptr<const layout::PageLayout>> m_layouts;
    QueryQueue m_queue;
    QList<PlanEngine> m_engines; // those of the run under way
    QList<int> m_queriesByEngine;
    QList<int> m_failuresByEngine; // in a row
    QList<int> m_foundByEngine;
    bool m_active = false;
    int m_runState = Idle;
    int m_foundCount = 0;
    int m_maxFailuresInARow;
    int m_failuresInARow = 0;
    int m_maxCount = 0;
    int m_pagesWithoutBlock = 0;
    int m_queriesMade = 0;
    int m_failedQueries = 0;
    int m_stayedBlocked = 0;
    QString m_firstHarvest;
    QString m_firstError;
    bool m_firstBlocked = false;
    QString m_firstFailure;
    HarvestRules m_rules;
    QDateTime m_startTime;
    SeenKeywords m_seen;
    QStringList m_seedMarkers;
    SourceChoice m_source = SourceChoice::Related;
    Expansion m_expansion = Expansion::None;
    int m_maxQueries = 0;

    // The entry being processed; the current generation (0: the seed's), its
    // keywords, how many of its queries are done and where it ends; the next
    // generation's harvest so far and how many queries it has queued.
    qsizetype m_index = 0;
    int m_generation = 0;
    QStringList m_keywords;
    qsizetype m_position = 0;
    qsizetype m_generationEnd = 0;
    QString m_nextGeneration;
    qsizetype m_nextQueued = 0;
    qsizetype m_announced = -1;
    // Queries that brought no page; the first m_retrying of them are queued
    // at the front, asked again.
    QList<PlannedQuery> m_unanswered;
    qsizetype m_retrying = 0;
    QueryStep m_lastStep;
};

} // namespace vantorix::mining
