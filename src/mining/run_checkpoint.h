#pragma once

#include <QString>
#include <QStringList>

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
};

} // namespace vantorix::mining
