#include "mining/query_queue.h"

#include <algorithm>

namespace vantorix::mining {

QueryQueue::QueryQueue(FetchScheduler *scheduler, int concurrency, QObject *parent)
    : QObject(parent), m_scheduler(scheduler), m_concurrency(std::max(1, concurrency))
{
    connect(m_scheduler, &FetchScheduler::settled, this, &QueryQueue::onSettled);
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
        m_scheduler->cancel(it.key());
    m_asked.clear();
    m_slots.clear();
    m_base = 0;
}

void QueryQueue::request(qsizetype index, bool lookAhead, qsizetype before)
{
    const qsizetype last =
        std::min({size(), index + (lookAhead ? m_concurrency : 1), std::max(before, index + 1)});
    for (qsizetype i = std::max(index, m_base); i < last; ++i) {
        Slot &entry = slot(i);
        if (entry.state != State::Idle)
            continue;
        entry.state = State::Asked;
        entry.id = m_scheduler->submit(i, entry.query.text, entry.address);
        m_asked.insert(entry.id, i);
    }
}

std::optional<QueryOutcome> QueryQueue::take(qsizetype index)
{
    if (index < m_base || index >= size() || slot(index).state != State::Done)
        return std::nullopt;
    std::optional<QueryOutcome> outcome = std::exchange(slot(index).outcome, std::nullopt);
    // Entries are taken in order, so everything up to this one is done with.
    while (m_base <= index) {
        m_slots.pop_front();
        ++m_base;
    }
    return outcome;
}

void QueryQueue::onSettled(quint64 id, const QueryOutcome &outcome)
{
    const auto found = m_asked.constFind(id);
    if (found == m_asked.cend())
        return;
    const qsizetype index = found.value();
    m_asked.erase(found);
    if (index < m_base)
        return;
    Slot &entry = slot(index);
    entry.state = State::Done;
    entry.outcome = outcome;
    Q_EMIT arrived(index);
}

} // namespace vantorix::mining
