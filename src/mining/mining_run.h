#pragma once

#include "mining/fetch_scheduler.h"
#include "mining/jcf.h"
#include "mining/query_queue.h"
#include "mining/seen_keywords.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

namespace vantorix::mining {

// What a start reads from the mining panel, as typed.
struct MiningInput
{
    QString seed;            // Text3, neither trimmed nor checked
    QString limitText;       // Text4
    QString minLengthText;   // Text6
    QString filterText;      // Text5
    QStringList seedMarkers; // the marker page's pair, for layouts that cut the seed with it
};

// One window's mining: the run variables live as long as this object and
// carry over from run to run. A run is a state machine advanced by the
// replies of its queries; replies are processed strictly in query order.
// The queries of all generations form one list: the next generation's
// keywords join it as the replies before them are processed, so queries may
// run ahead across a generation's end (its trailing empty entry waits for
// the generation to be complete).
class MiningRun : public QObject
{
    Q_OBJECT
public:
    enum RunState { Idle = 0, Running = 1, StopRequested = 2 };

    MiningRun(hotwords::PageFetcher *fetcher, std::shared_ptr<const layout::PageLayout> layout,
              FetchPolicy policy, QObject *parent = nullptr);

    // Starts a run; ignored (returns false) while one is in progress.
    bool start(const MiningInput &input);
    // The stop button: the run ends before its next query.
    void requestStop();

    bool isActive() const { return m_active; }
    int runState() const { return m_runState; }
    int foundCount() const { return m_foundCount; }
    // Queries of this run that failed or stayed blocked since the last one
    // that brought a page.
    int failuresInARow() const { return m_failuresInARow; }
    // Queries of this run whose outcome was taken, the seed's included.
    int queriesMade() const { return m_queriesMade; }
    // Queries of this run that stayed blocked through all their tries.
    int stayedBlocked() const { return m_stayedBlocked; }
    // The routes out, their paces and counts (blocks, rests).
    const FetchScheduler &fetching() const { return m_scheduler; }
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
    // Label2: the keyword whose page is being fetched (not sent for the seed).
    void querying(const QString &keyword);
    // Label7: "N 个".
    void countChanged(const QString &countText);
    void keywordAccepted(const QString &keyword, int generation, const QString &parent);
    // The seed's harvest, to be appended to the list as it stands.
    void firstHarvest(const QString &harvest);
    // The list is to be replaced by the seen-list.
    void listReplaced(const QString &seenList);
    // A query whose page could not be fetched (after its retries); it
    // harvests nothing. `generation` is 0 for the seed, else the generation of
    // the queried keyword. The window shows no failures.
    void queryFailed(const QString &keyword, int generation, const QString &error);
    // A query whose every try met a block (`how` the last); it harvests
    // nothing, like a failed one.
    void queryBlocked(const QString &keyword, int generation, const QString &how);
    // A page that held bytes invalid in its charset (read as stand-ins).
    void pageMalformed(const QString &keyword);
    void finished(int runState);

private:
    // The harvest of a query's page (empty when it failed); `seedMarkers`
    // is empty for every query but the seed.
    QString harvest(const QueryOutcome &outcome, const QStringList &seedMarkers,
                    const QString &keyword);
    void advance();
    void finish();

    FetchScheduler m_scheduler;
    QueryQueue m_queue;
    bool m_active = false;
    int m_runState = Idle;
    int m_foundCount = 0;
    int m_maxFailuresInARow;
    int m_failuresInARow = 0;
    int m_maxCount = 0;
    int m_pagesWithoutBlock = 0;
    int m_queriesMade = 0;
    int m_stayedBlocked = 0;
    std::shared_ptr<const layout::PageLayout> m_layout;
    HarvestRules m_rules;
    QDateTime m_startTime;
    SeenKeywords m_seen;
    QStringList m_seedMarkers;

    // The entry being processed, its generation (0: the seed), where that
    // generation ends, and the keywords the next one has so far.
    qsizetype m_index = 0;
    int m_generation = 0;
    qsizetype m_generationEnd = 0;
    qsizetype m_nextGenerationSize = 0;
    qsizetype m_announced = -1;
};

} // namespace vantorix::mining
