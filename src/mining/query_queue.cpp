#include "mining/query_queue.h"

#include <algorithm>

namespace vantorix::mining {

QueryQueue::QueryQueue(hotwords::PageFetcher *fetcher,
                       std::shared_ptr<const layout::PageLayout> layout, FetchPolicy policy,
                       QObject *parent)
    : QObject(parent), m_fetcher(fetcher), m_layout(std::move(layout)), m_policy(policy)
{
    m_policy.concurrency = std::max(1, m_policy.concurrency);
    m_policy.retries = std::max(0, m_policy.retries);
    m_policy.delayMs = std::max(0, m_policy.delayMs);
    m_gate.setSingleShot(true);
    connect(&m_gate, &QTimer::timeout, this, &QueryQueue::pumpGate);
}

QueryQueue::~QueryQueue()
{
    clear();
}

void QueryQueue::load(const QList<QUrl> &addresses)
{
    clear();
    m_slots.resize(size_t(addresses.size()));
    for (qsizetype i = 0; i < addresses.size(); ++i)
        m_slots[size_t(i)].address = addresses[i];
}

void QueryQueue::clear()
{
    ++m_epoch;
    m_gate.stop();
    m_waiting.clear();
    for (Slot &slot : m_slots) {
        if (slot.fetch) {
            slot.fetch->disconnect(this);
            slot.fetch->abort();
        }
    }
    m_slots.clear();
}

void QueryQueue::request(qsizetype index, bool lookAhead)
{
    const qsizetype last = std::min<qsizetype>(qsizetype(m_slots.size()),
                                               index + (lookAhead ? m_policy.concurrency : 1));
    for (qsizetype i = index; i < last; ++i)
        if (m_slots[size_t(i)].state == State::Idle)
            enqueue(i);
    pumpGate();
}

std::optional<Result<QueryPage>> QueryQueue::take(qsizetype index)
{
    if (index < 0 || index >= qsizetype(m_slots.size()))
        return std::nullopt;
    Slot &slot = m_slots[size_t(index)];
    if (slot.state != State::Done)
        return std::nullopt;
    slot.state = State::Taken;
    return std::exchange(slot.page, std::nullopt);
}

void QueryQueue::enqueue(qsizetype index)
{
    m_slots[size_t(index)].state = State::Queued;
    m_waiting.insert(std::upper_bound(m_waiting.begin(), m_waiting.end(), index), index);
}

void QueryQueue::pumpGate()
{
    while (!m_waiting.empty()) {
        if (m_policy.delayMs > 0 && m_lastStart.isValid()) {
            const qint64 wait = m_policy.delayMs - m_lastStart.elapsed();
            if (wait > 0) {
                if (!m_gate.isActive())
                    m_gate.start(int(wait));
                return;
            }
        }
        const qsizetype index = m_waiting.front();
        m_waiting.erase(m_waiting.begin());
        m_lastStart.start();
        startFetch(index);
    }
}

void QueryQueue::startFetch(qsizetype index)
{
    Slot &slot = m_slots[size_t(index)];
    slot.state = State::InFlight;
    ++slot.attempts;
    hotwords::PageFetch *fetch = m_fetcher->get(slot.address);
    slot.fetch = fetch;
    connect(fetch, &hotwords::PageFetch::finished, this,
            [this, index, epoch = m_epoch](const hotwords::FetchResult &result) {
                if (epoch == m_epoch)
                    onFinished(index, result);
            });
}

void QueryQueue::onFinished(qsizetype index, const hotwords::FetchResult &result)
{
    Slot &slot = m_slots[size_t(index)];
    slot.fetch = nullptr;
    if (result.ok && !slot.redirected) {
        if (const std::optional<QUrl> other = m_layout->retryAddress(slot.address, result.text)) {
            slot.redirected = true;
            slot.address = *other;
            --slot.attempts; // the page that sent us on costs no try
            enqueue(index);
            pumpGate();
            return;
        }
    }
    if (!result.ok && slot.attempts <= m_policy.retries) {
        slot.state = State::BackingOff;
        QTimer::singleShot(backoffMs(slot.attempts), this, [this, index, epoch = m_epoch] {
            if (epoch != m_epoch)
                return;
            enqueue(index);
            pumpGate();
        });
        return;
    }
    slot.state = State::Done;
    if (result.ok)
        slot.page = QueryPage{result.text, result.malformed};
    else
        slot.page = failure(result.error);
    Q_EMIT arrived(index);
}

int QueryQueue::backoffMs(int attempt) const
{
    // 250 ms, 500 ms, 1 s, ... up to 8 s between tries of one query.
    return 250 << std::min(attempt - 1, 5);
}

} // namespace vantorix::mining
