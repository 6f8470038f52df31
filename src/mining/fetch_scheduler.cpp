#include "mining/fetch_scheduler.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <algorithm>
#include <limits>

namespace vantorix::mining {

namespace {

constexpr qint64 kNever = std::numeric_limits<qint64>::max();

// A proxy that fails this often in a row rests.
constexpr int kFailuresBeforeRest = 3;

// After the n-th block in a row a route waits about a second, two, four, ...
// (half to one and a half times that, so that routes do not come back in
// step), at most a minute.
qint64 backoffMs(int blocksInARow)
{
    const double base = 1000.0 * double(1 << std::min(blocksInARow - 1, 6));
    return qint64(std::min(60000.0, base * (0.5 + QRandomGenerator::global()->generateDouble())));
}

// A proxy's rests grow while it keeps failing: 5 s, 10 s, 20 s, ... 5 min.
qint64 restMs(int restsInARow)
{
    return std::min<qint64>(300000, qint64(5000) << std::min(restsInARow, 6));
}

// A failed try waits 250 ms, 500 ms, 1 s, ... up to 8 s before the next.
qint64 failureWaitMs(int attempts)
{
    return qint64(250) << std::min(attempts - 1, 5);
}

} // namespace

FetchScheduler::FetchScheduler(web::PageFetcher *direct,
                               std::shared_ptr<const layout::PageLayout> layout,
                               const FetchPolicy &policy, QObject *parent)
    : QObject(parent), m_layout(std::move(layout)), m_retries(std::max(0, policy.retries)),
      m_timeoutMs(qint64(policy.timeoutSeconds) * 1000)
{
    const Pace pace =
        policy.autoPace ? Pace::learning(policy.maxRate) : Pace::fixed(policy.delayMs);
    if (policy.proxies.isEmpty())
        m_routes.push_back({direct, {}, pace});
    config::Settings settings;
    settings.timeoutSeconds = policy.timeoutSeconds;
    for (const QString &proxy : policy.proxies) {
        auto *fetcher = new web::PageFetcher(settings, this);
        fetcher->sendAllThrough(proxy);
        Route route{fetcher, {}, pace};
        route.stats.name = proxy;
        route.isProxy = true;
        m_routes.push_back(route);
    }
    m_clock.start();
    m_wake.setSingleShot(true);
    connect(&m_wake, &QTimer::timeout, this, &FetchScheduler::pump);
}

FetchScheduler::~FetchScheduler()
{
    cancelAll();
}

quint64 FetchScheduler::submit(qsizetype order, const QString &keyword, const QUrl &address)
{
    const quint64 id = m_nextId++;
    Job job;
    job.order = order;
    job.keyword = keyword;
    job.address = address;
    m_jobs.emplace(id, std::move(job));
    wait(id);
    pump();
    return id;
}

void FetchScheduler::cancel(quint64 id)
{
    const auto found = m_jobs.find(id);
    if (found == m_jobs.end())
        return;
    if (web::PageFetch *fetch = found->second.fetch) {
        fetch->disconnect(this);
        fetch->abort();
    }
    std::erase_if(m_waiting, [id](const auto &waiting) { return waiting.second == id; });
    m_jobs.erase(found);
}

void FetchScheduler::cancelAll()
{
    while (!m_jobs.empty())
        cancel(m_jobs.begin()->first);
    m_wake.stop();
}

void FetchScheduler::halt()
{
    m_halted = true;
    pump();
}

void FetchScheduler::reopen()
{
    if (m_exhausted)
        return;
    m_halted = false;
    pump();
}

void FetchScheduler::abandonWaiting()
{
    while (m_halted && !m_waiting.empty()) {
        const quint64 id = m_waiting.front().second;
        m_waiting.erase(m_waiting.begin());
        QueryOutcome outcome;
        outcome.abandoned = true;
        settle(id, outcome);
    }
}

bool FetchScheduler::allRestingLongerThanTimeout(qint64 at) const
{
    return std::all_of(m_routes.begin(), m_routes.end(), [&](const Route &route) {
        return route.isProxy && route.restsInARow > 0 && route.pausedUntil - at > m_timeoutMs;
    });
}

QList<RouteStats> FetchScheduler::routes() const
{
    QList<RouteStats> all;
    for (const Route &route : m_routes) {
        all.append(route.stats);
        all.last().rate = route.pace.rate();
    }
    return all;
}

bool FetchScheduler::isPaced() const
{
    return m_routes.front().pace.isPaced();
}

double FetchScheduler::rate() const
{
    double sum = 0;
    for (const Route &route : m_routes)
        sum += route.pace.rate();
    return sum;
}

void FetchScheduler::wait(quint64 id)
{
    const std::pair<qsizetype, quint64> entry{m_jobs.at(id).order, id};
    m_waiting.insert(std::upper_bound(m_waiting.begin(), m_waiting.end(), entry), entry);
}

void FetchScheduler::pump()
{
    m_wake.stop();
    if (m_halted) {
        // Settled from the event loop: the caller may be in the middle of
        // processing an outcome.
        if (!m_waiting.empty())
            QMetaObject::invokeMethod(this, &FetchScheduler::abandonWaiting, Qt::QueuedConnection);
        return;
    }
    const qint64 at = now();
    qint64 next = kNever;
    for (auto it = m_waiting.begin(); it != m_waiting.end();) {
        const quint64 id = it->second;
        const Job &job = m_jobs.at(id);
        qint64 readyAt = job.notBefore;
        const int route = job.notBefore <= at ? routeFor(job, at, readyAt) : -1;
        if (route < 0) {
            next = std::min(next, readyAt);
            ++it;
            continue;
        }
        it = m_waiting.erase(it);
        start(id, route);
    }
    if (next != kNever)
        m_wake.start(int(std::clamp<qint64>(next - at, 1, 3600000)));
}

qint64 FetchScheduler::readyAt(const Route &route, qint64 at) const
{
    return std::max(route.pausedUntil, at + route.pace.waitAt(at));
}

int FetchScheduler::routeFor(const Job &job, qint64 at, qint64 &readyAt) const
{
    const int count = int(m_routes.size());
    // A retry goes to the next route that is not backing off or resting and
    // waits for its pace; a new query takes whichever route is free first.
    if (job.lastRoute >= 0) {
        for (int step = 1; step < count; ++step) {
            const int index = (job.lastRoute + step) % count;
            if (m_routes[size_t(index)].pausedUntil > at)
                continue;
            readyAt = this->readyAt(m_routes[size_t(index)], at);
            return readyAt <= at ? index : -1;
        }
    }
    int first = -1;
    readyAt = kNever;
    for (int step = 0; step < count; ++step) {
        const int index = (m_cursor + step) % count;
        const qint64 ready = this->readyAt(m_routes[size_t(index)], at);
        if (ready < readyAt) {
            readyAt = ready;
            first = index;
        }
    }
    return readyAt <= at ? first : -1;
}

void FetchScheduler::start(quint64 id, int index)
{
    Job &job = m_jobs.at(id);
    Route &route = m_routes[size_t(index)];
    route.pace.started(now());
    ++route.stats.requests;
    m_cursor = (index + 1) % int(m_routes.size());
    job.lastRoute = index;
    ++job.attempts;
    job.fetch = route.fetcher->get(job.address, [layout = m_layout](const QUrl &target) {
        return layout->isBlockAddress(target);
    });
    connect(job.fetch, &web::PageFetch::finished, this,
            [this, id](const web::FetchResult &result) { onFinished(id, result); });
}

std::optional<QString> FetchScheduler::blockIn(const web::FetchResult &result) const
{
    if (!result.stoppedAt.isEmpty())
        // The path tells an engine's own block page.
        return QCoreApplication::translate("mining", "captcha redirect to ") +
               result.stoppedAt.host() + result.stoppedAt.path();
    if (result.page && m_layout->isBlockPage(result.page->text))
        return QCoreApplication::translate("mining", "verification page");
    return std::nullopt;
}

void FetchScheduler::onFinished(quint64 id, const web::FetchResult &result)
{
    const auto found = m_jobs.find(id);
    if (found == m_jobs.end())
        return;
    Job &job = found->second;
    job.fetch = nullptr;
    Route &route = m_routes[size_t(job.lastRoute)];
    const qint64 at = now();
    if (result.page && !job.sentOn) {
        if (const std::optional<QUrl> other =
                m_layout->retryAddress(job.address, result.page->text)) {
            job.sentOn = true;
            job.address = *other;
            --job.attempts; // the page that sent us on costs no try
            wait(id);
            pump();
            return;
        }
    }
    if (const std::optional<QString> how = blockIn(result)) {
        ++route.stats.blocks;
        route.failuresInARow = 0;
        route.pace.blocked();
        route.pausedUntil = std::max(route.pausedUntil, at + backoffMs(++route.blocksInARow));
        // Routes that speed up alike meet their limits together: the first
        // retry goes on through the next route at once, later ones back off
        // too, so that a query's tries outlast the engine's cooldown.
        if (job.blocks++ > 0)
            job.notBefore = at + backoffMs(job.blocks - 1);
        retryOrSettle(id, {failure(*how), true});
        return;
    }
    if (!result.page) {
        ++route.stats.failures;
        route.stats.lastError = result.page.error();
        if (route.isProxy && ++route.failuresInARow >= kFailuresBeforeRest) {
            const qint64 rest = restMs(route.restsInARow++);
            route.failuresInARow = 0;
            route.pausedUntil = std::max(route.pausedUntil, at + rest);
            ++route.stats.rests;
            Q_EMIT resting(job.lastRoute, rest);
            if (!m_exhausted && allRestingLongerThanTimeout(at)) {
                m_exhausted = true;
                m_halted = true;
                Q_EMIT exhaustedRoutes();
            }
        }
        job.notBefore = at + failureWaitMs(job.attempts);
        // The fetcher names the page; a proxy that failed is named here.
        const QString through =
            route.isProxy ? QCoreApplication::translate("mining", " through proxy %1 (%2)")
                                .arg(job.lastRoute + 1)
                                .arg(route.stats.name)
                          : QString();
        retryOrSettle(id, {failure(result.page.error() + through), false});
        return;
    }
    route.blocksInARow = route.failuresInARow = route.restsInARow = 0;
    route.pace.answered();
    settle(id, {result.page, false});
}

void FetchScheduler::retryOrSettle(quint64 id, QueryOutcome outcome)
{
    const Job &job = m_jobs.at(id);
    const bool retry = job.attempts <= m_retries;
    if (outcome.blocked) {
        const qint64 at = now();
        qint64 readyAt = at;
        if (retry && routeFor(job, at, readyAt) >= 0)
            readyAt = at;
        readyAt = std::max(readyAt, job.notBefore);
        Q_EMIT blocked(job.keyword, outcome.page.error(), job.lastRoute, retry ? readyAt - at : -1);
        if (!m_jobs.count(id))
            return; // cancelled by whoever heard of the block
    }
    if (!retry)
        return settle(id, std::move(outcome));
    wait(id);
    pump();
}

void FetchScheduler::settle(quint64 id, QueryOutcome outcome)
{
    m_jobs.erase(id);
    Q_EMIT settled(id, outcome);
}

} // namespace vantorix::mining
