#pragma once

#include "mining/query_plan.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vantorix::mining {

// Where a mining run stands between two queries: enough, with the settings it
// was started with, to go on as if it had never stopped.
struct RunCheckpoint
{
    int generation = 0;        // 0: the seed's queries
    QStringList keywords;      // of the generation (the seed alone in generation 0)
    qsizetype position = 0;    // queries of the generation already processed
    QString nextGeneration;    // what those queries harvested
    QString seenList;          // the run's seen-list; empty before its first query
    QString firstHarvest;      // the harvest of the run's first query
    QString firstError;        // why the first query brought no page, if it did not
    bool firstBlocked = false; // ... because it stayed blocked
    int foundCount = 0;
    int queriesMade = 0;
    int failedQueries = 0; // after the first, blocked ones aside
    int stayedBlocked = 0;
    int failuresInARow = 0;
    int pagesWithoutBlock = 0;
    // Queries that failed or stayed blocked, oldest first: a resumed run asks
    // them again before going on.
    QList<PlannedQuery> unanswered;
    // By engine: queries processed, and keywords found there first.
    QList<int> queriesByEngine{};
    QList<int> foundByEngine{};

    bool operator==(const RunCheckpoint &) const = default;
};

// What processing one query changed in the checkpoint: small, so that a run
// can record each query without writing the whole checkpoint again.
struct QueryStep
{
    int generation = 0;   // of the query; a new one starts with this query
    bool retried = false; // the query was the oldest unanswered one, asked again
    QString found;        // its harvest
    int foundCount = 0;   // the counts after it
    int queriesMade = 0;
    int failedQueries = 0;
    int stayedBlocked = 0;
    int failuresInARow = 0;
    int pagesWithoutBlock = 0;
    QString firstError; // set by the run's first query only
    bool firstBlocked = false;
    std::optional<PlannedQuery> unanswered; // the query itself, when it brought no page
    int engine = 0;                         // of the query

    bool operator==(const QueryStep &) const = default;
};

// The checkpoint taken after `step`, from the one taken before it.
void applyStep(RunCheckpoint &at, const QueryStep &step);

} // namespace vantorix::mining
