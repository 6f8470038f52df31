#include "mining/query_queue.h"

#include <algorithm>

namespace vantorix::mining {

namespace {

// How far past the awaited entry several engines may fetch: an engine's
// cooldown of half a minute at 20 queries a second to each of the others.
// Entries waiting to be taken hold only their words.
constexpr qsizetype kLongestStretch = 4096;

} // namespace

QueryQueue::QueryQueue(std::vector<FetchScheduler *> schedulers, int concurrency,
                       OutcomeReader reader, QObject *parent)
    : QObject(parent), m_schedulers(std::move(schedulers)), m_inFlight(m_schedulers.size(), 0),
      m_concurrency(std::max(1, concurrency)), m_reader(std::move(reader))
{
    for (size_t engine = 0; engine < m_schedulers.size(); ++engine)
        connect(m_schedulers[engine], &FetchScheduler::settled, this,
                [this, engine](quint64 id, const QueryOutcome &outcome) {
                    onSettled(int(engine), id, outcome);
                });
}

QueryQueue::~QueryQueue()
{
    clear();
}

void QueryQueue::append(const PlannedQuery &query, const QUrl &address)
{
    m_slots.push_back(Slot{query, address, State::Idle, 0, std::nullopt});
}

void QueryQueue::clear()
{
    for (auto it = m_asked.cbegin(); it != m_asked.cend(); ++it)
        m_schedulers[size_t(it.key().first)]->cancel(it.key().second);
    m_asked.clear();
    std::fill(m_inFlight.begin(), m_inFlight.end(), 0);
    m_slots.clear();
    m_base = 0;
}

void QueryQueue::request(qsizetype index, bool lookAhead, qsizetype before)
{
    const qsizetype engines = qsizetype(m_schedulers.size());
    const qsizetype stretch = !lookAhead     ? 1
                              : engines == 1 ? m_concurrency
                                             : std::max<qsizetype>(m_concurrency, kLongestStretch);
    const qsizetype last = std::min({size(), index + stretch, std::max(before, index + 1)});
    for (qsizetype i = std::max(index, m_base); i < last; ++i) {
        Slot &entry = slot(i);
        const int engine = entry.query.engine;
        if (entry.state != State::Idle ||
            (i != index && m_inFlight[size_t(engine)] >= m_concurrency))
            continue;
        entry.state = State::Asked;
        ++m_inFlight[size_t(engine)];
        entry.id = m_schedulers[size_t(engine)]->submit(i, entry.query.text, entry.address);
        m_asked.insert({engine, entry.id}, i);
    }
}

std::optional<ReadOutcome> QueryQueue::take(qsizetype index)
{
    if (index < m_base || index >= size() || slot(index).state != State::Done)
        return std::nullopt;
    std::optional<ReadOutcome> outcome = std::exchange(slot(index).outcome, std::nullopt);
    // Entries are taken in order, so everything up to this one is done with.
    while (m_base <= index) {
        m_slots.pop_front();
        ++m_base;
    }
    return outcome;
}

void QueryQueue::onSettled(int engine, quint64 id, const QueryOutcome &outcome)
{
    const auto found = m_asked.constFind({engine, id});
    if (found == m_asked.cend())
        return;
    const qsizetype index = found.value();
    m_asked.erase(found);
    --m_inFlight[size_t(engine)];
    if (index < m_base)
        return;
    Slot &entry = slot(index);
    entry.state = State::Done;
    entry.outcome = m_reader(index, entry.query, outcome);
    Q_EMIT arrived(index);
}

} // namespace vantorix::mining
