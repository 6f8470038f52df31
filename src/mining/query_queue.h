#pragma once

#include "mining/fetch_scheduler.h"
#include "mining/query_plan.h"

#include <QObject>
#include <QStringList>
#include <deque>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace vantorix::mining {

// A query's outcome as the run takes it: its page read into words as it
// arrives, so that outcomes fetched far ahead hold no pages.
struct ReadOutcome
{
    QueryOutcome outcome; // the page's text dropped once read
    QStringList words;    // of the related block, or the suggestions
    bool found = false;   // the page holds a related block; the suggestions could be read
};

// Reads the outcome of the entry `index`.
using OutcomeReader =
    std::function<ReadOutcome(qsizetype index, const PlannedQuery &query, QueryOutcome outcome)>;

// The queries of a run in the order the run takes them, one list
// across generations that grows at its end as harvests come in. Pages are
// fetched ahead of the entry the run waits for, up to the concurrency, but
// handed out by entry, so the run can take them strictly in order. Each
// engine's queries go to its own scheduler.
class QueryQueue : public QObject
{
    Q_OBJECT
public:
    // `schedulers` by engine.
    QueryQueue(std::vector<FetchScheduler *> schedulers, int concurrency, OutcomeReader reader,
               QObject *parent = nullptr);
    ~QueryQueue() override;

    // Adds an entry at the end, asked for at `address`.
    void append(const PlannedQuery &query, const QUrl &address);
    // Entries known so far, taken ones included.
    qsizetype size() const { return m_base + qsizetype(m_slots.size()); }
    const PlannedQuery &query(qsizetype index) const { return slot(index).query; }

    // Makes sure the page of `index` is on its way and, with `lookAhead`, the
    // pages of the known entries after it up to the concurrency, none from
    // `before` on. With several engines the concurrency is each engine's, over
    // a longer stretch, so that one engine backing off does not hold the others.
    void request(qsizetype index, bool lookAhead,
                 qsizetype before = std::numeric_limits<qsizetype>::max());
    // The outcome of `index` once it has come; hands it out once.
    std::optional<ReadOutcome> take(qsizetype index);
    // Abandons everything and starts again at index 0.
    void clear();

Q_SIGNALS:
    // The outcome of `index` has come.
    void arrived(qsizetype index);

private:
    enum class State { Idle, Asked, Done };
    struct Slot
    {
        PlannedQuery query;
        QUrl address;
        State state = State::Idle;
        quint64 id = 0; // the scheduler's, while asked
        std::optional<ReadOutcome> outcome;
    };

    Slot &slot(qsizetype index) { return m_slots[size_t(index - m_base)]; }
    const Slot &slot(qsizetype index) const { return m_slots[size_t(index - m_base)]; }
    void onSettled(int engine, quint64 id, const QueryOutcome &outcome);

    std::vector<FetchScheduler *> m_schedulers;
    std::vector<int> m_inFlight; // asked and not settled, by engine
    int m_concurrency;
    OutcomeReader m_reader;
    std::deque<Slot> m_slots; // entries from m_base on; earlier ones are taken
    qsizetype m_base = 0;
    QHash<std::pair<int, quint64>, qsizetype> m_asked; // (engine, scheduler id) -> entry
};

} // namespace vantorix::mining
