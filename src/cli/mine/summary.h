#pragma once

#include "mining/fetch_scheduler.h"

#include <QString>
#include <QStringList>

namespace vantorix::cli {

// "1.4 q/s": a pace in queries per second, over every paced engine; empty
// when none is paced.
QString paceText(const QList<const mining::FetchScheduler *> &engines);

// One block as it happens: "query 'x' blocked (verification page) through
// proxy 2; trying again in 1.5 s", with "on sogou" after "blocked" when
// `engine` is given. `route` indexes the scheduler's routes.
QString blockReport(const mining::FetchScheduler &fetching, const QString &keyword,
                    const QString &how, int route, qint64 retryInMs,
                    const QString &engine = QString());

// One engine of a run, for the summary.
struct EngineCounts
{
    QString name; // empty when the run names none
    const mining::FetchScheduler *fetching;
    int queries = 0;
    int found = 0; // keywords found there first
};

// What a mining run made and met, for the end of the run.
struct MineCounts
{
    int queries = 0;
    int blockedAndRetried = 0;
    int stayedBlocked = 0;
    int failed = 0;
    int keywords = 0;
    int queriesHere = 0; // made by this process, a resumed run's earlier ones aside
    qint64 elapsedMs = 0;
};

// The run's summary: one line of totals, then one a proxy; with engines
// named, one line an engine, each followed by its proxies.
QStringList summaryLines(const QList<EngineCounts> &engines, const MineCounts &counts);

} // namespace vantorix::cli
