#include "mining/run_checkpoint.h"

#include "list/keyword_list.h"

namespace vantorix::mining {

void applyStep(RunCheckpoint &at, const QueryStep &step)
{
    if (step.retried) {
        if (!at.unanswered.isEmpty())
            at.unanswered.removeFirst();
    } else {
        // The run moves to the next generation just before its first query.
        if (step.generation != at.generation) {
            at.keywords = list::splitList(at.nextGeneration);
            at.nextGeneration.clear();
            at.generation = step.generation;
            at.position = 0;
        }
        ++at.position;
    }
    at.nextGeneration += step.found;
    if (at.queriesMade == 0) {
        at.firstHarvest = step.found;
        at.seenList = list::kSeparator + step.found + list::kSeparator;
        at.firstError = step.firstError;
        at.firstBlocked = step.firstBlocked;
    } else {
        at.seenList += step.found;
    }
    for (QList<int> *counts : {&at.queriesByEngine, &at.foundByEngine})
        if (counts->size() <= step.engine)
            counts->resize(step.engine + 1);
    ++at.queriesByEngine[step.engine];
    at.foundByEngine[step.engine] += step.foundCount - at.foundCount;
    at.foundCount = step.foundCount;
    at.queriesMade = step.queriesMade;
    at.failedQueries = step.failedQueries;
    at.stayedBlocked = step.stayedBlocked;
    at.failuresInARow = step.failuresInARow;
    at.pagesWithoutBlock = step.pagesWithoutBlock;
    if (step.unanswered)
        at.unanswered.append(*step.unanswered);
}

} // namespace vantorix::mining
