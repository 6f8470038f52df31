#pragma once

#include "common/result.h"
#include "layout/page_layout.h"
#include "mining/fetch_policy.h"
#include "mining/pace.h"
#include "web/page_fetcher.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>
#include <vector>

namespace vantorix::mining {

// What became of a query after its tries: its page, or why it has none.
struct QueryOutcome
{
    Result<web::DecodedPage> page = failure(QString());
    bool blocked = false;   // no page because the engine answered with blocks to the end
    bool abandoned = false; // never asked, or not asked again, because of halt()
};

// One way out to the engine and what it has met so far.
struct RouteStats
{
    QString name; // the proxy's address; empty for this machine's own way out
    int requests = 0;
    int blocks = 0;
    int failures = 0;
    int rests = 0;
    double rate = 0;   // the pace in force, queries per second; 0 when unpaced
    QString lastError; // of its last failed request
};

// Sends queries out through one or more routes (this machine, or each proxy
// of a rotation) and brings back each query's outcome once its tries are
// over. Each route has its own pace, its own back-off after a block and, for
// a proxy, its own rest after failures in a row. Waiting queries start in
// their order, lowest first, round-robin over the routes that are free; a
// query that was blocked or failed tries the next route. A block is what the
// layout says it is; the fetch stops at a captcha redirect.
class FetchScheduler : public QObject
{
    Q_OBJECT
public:
    // `direct` serves when the policy names no proxies.
    FetchScheduler(web::PageFetcher *direct, std::shared_ptr<const layout::PageLayout> layout,
                   const FetchPolicy &policy, QObject *parent = nullptr);
    ~FetchScheduler() override;

    // Queues the query of `keyword` at `address`; gives the id settled() will carry.
    quint64 submit(qsizetype order, const QString &keyword, const QUrl &address);
    // Forgets a query, aborting its request; settled() will not come.
    void cancel(quint64 id);
    void cancelAll();
    // Starts nothing more: every query not on its way now, and every one that
    // would be tried again, settles as abandoned (from the event loop, never
    // inside this call). Requests on their way finish.
    void halt();
    // Takes queries again after halt().
    void reopen();
    // Every route out is a proxy resting longer than the time-out: the
    // scheduler halted for good.
    bool exhausted() const { return m_exhausted; }

    QList<RouteStats> routes() const;
    bool isPaced() const;
    // Queries per second in force over all routes.
    double rate() const;

Q_SIGNALS:
    void settled(quint64 id, const vantorix::mining::QueryOutcome &outcome);
    // A request met a block (`how`): its query tries again in `retryInMs`,
    // or, at -1, has no tries left. `route` indexes routes().
    void blocked(const QString &keyword, const QString &how, int route, qint64 retryInMs);
    // A proxy failed too often in a row and takes no requests for `ms`.
    void resting(int route, qint64 ms);
    // Every proxy is resting longer than the time-out; the scheduler halted.
    void exhaustedRoutes();

private:
    struct Route
    {
        web::PageFetcher *fetcher;
        RouteStats stats;
        Pace pace;
        bool isProxy = false;
        qint64 pausedUntil = 0; // backing off or resting until then
        int blocksInARow = 0;
        int failuresInARow = 0;
        int restsInARow = 0;
    };
    struct Job
    {
        qsizetype order;
        QString keyword;
        QUrl address;
        int attempts = 0;
        int blocks = 0;       // tries that met a block
        bool sentOn = false;  // the layout sent the query elsewhere once
        int lastRoute = -1;   // where the last try went
        qint64 notBefore = 0; // a failed try waits this long before the next
        QPointer<web::PageFetch> fetch;
    };

    qint64 now() const { return m_clock.elapsed(); }
    void wait(quint64 id);
    void pump();
    // The route a job should take next, or -1 with `readyAt` set to when to look again.
    int routeFor(const Job &job, qint64 at, qint64 &readyAt) const;
    qint64 readyAt(const Route &route, qint64 at) const;
    void start(quint64 id, int route);
    void onFinished(quint64 id, const web::FetchResult &result);
    void retryOrSettle(quint64 id, QueryOutcome outcome);
    void settle(quint64 id, QueryOutcome outcome);
    void abandonWaiting();
    bool allRestingLongerThanTimeout(qint64 at) const;
    // The block a fetch met, if any.
    std::optional<QString> blockIn(const web::FetchResult &result) const;

    std::shared_ptr<const layout::PageLayout> m_layout;
    int m_retries;
    qint64 m_timeoutMs;
    bool m_halted = false;
    bool m_exhausted = false;
    std::vector<Route> m_routes;
    std::map<quint64, Job> m_jobs;
    std::vector<std::pair<qsizetype, quint64>> m_waiting; // (order, id), sorted
    quint64 m_nextId = 1;
    int m_cursor = 0; // the route a new query tries first
    QElapsedTimer m_clock;
    QTimer m_wake;
};

} // namespace vantorix::mining
