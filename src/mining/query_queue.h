#pragma once

#include "common/result.h"
#include "hotwords/page_fetcher.h"
#include "layout/page_layout.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

namespace vantorix::mining {

struct FetchPolicy
{
    int concurrency = 1;       // entries in flight at once, counting the one waited for
    int retries = 0;           // a failed fetch is tried again this many times
    int delayMs = 0;           // least gap between two query starts
    int maxFailuresInARow = 0; // the run stops after this many failed queries in a row; 0: never
};

// A result page that arrived.
struct QueryPage
{
    QString text;           // decoded body
    bool malformed = false; // it held bytes invalid in its charset
};

// The pages of one list of queries, fetched ahead of the entry
// the run waits for but handed out by entry, so the run can take them strictly
// in order.
class QueryQueue : public QObject
{
    Q_OBJECT
public:
    QueryQueue(hotwords::PageFetcher *fetcher, std::shared_ptr<const layout::PageLayout> layout,
               FetchPolicy policy, QObject *parent = nullptr);
    ~QueryQueue() override;

    // A new list of query addresses; whatever is in flight is abandoned.
    void load(const QList<QUrl> &addresses);
    // Makes sure the page of `index` is on its way and, with `lookAhead`, the
    // pages after it up to the concurrency.
    void request(qsizetype index, bool lookAhead);
    // The page of `index` (or why it failed for good) once it has arrived;
    // hands it out once.
    std::optional<Result<QueryPage>> take(qsizetype index);
    // Abandons everything in flight.
    void clear();

Q_SIGNALS:
    // The page of `index` has arrived (or failed for good).
    void arrived(qsizetype index);

private:
    enum class State { Idle, Queued, InFlight, BackingOff, Done, Taken };
    struct Slot
    {
        QUrl address;            // where the page is asked for
        bool redirected = false; // the layout sent the query elsewhere once
        State state = State::Idle;
        int attempts = 0;
        QPointer<hotwords::PageFetch> fetch;
        std::optional<Result<QueryPage>> page;
    };

    void enqueue(qsizetype index);
    void pumpGate();
    void startFetch(qsizetype index);
    void onFinished(qsizetype index, const hotwords::FetchResult &result);
    int backoffMs(int attempt) const;

    hotwords::PageFetcher *m_fetcher;
    std::shared_ptr<const layout::PageLayout> m_layout;
    FetchPolicy m_policy;
    std::vector<Slot> m_slots;
    std::vector<qsizetype> m_waiting; // queued indexes, in the order to start
    QElapsedTimer m_lastStart;
    QTimer m_gate;
    quint64 m_epoch = 0; // bumped whenever the list is abandoned
};

} // namespace vantorix::mining
