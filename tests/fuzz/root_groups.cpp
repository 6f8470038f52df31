// Grouping keywords by root: every keyword lands in exactly one group, and
// the list tool keeps exactly the list's keywords. Input: the list text.
#include "list/root_groups.h"

#include "fuzz_input.h"
#include "list/keyword_list.h"

#include <algorithm>
#include <numeric>

using namespace vantorix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzTextFields(data, size, 1).constFirst();
    const QStringList pieces = list::splitList(text);
    const QList<QStringView> keywords(pieces.cbegin(), pieces.cend());
    const int minSize = 1 + int(size % 4);
    const Result<QList<list::RootGroup>> groups = list::groupByRoot(keywords, minSize);
    FUZZ_CHECK(groups);
    QList<qsizetype> placed;
    for (const list::RootGroup &group : *groups)
        placed += group.keywords;
    std::sort(placed.begin(), placed.end());
    QList<qsizetype> all(keywords.size());
    std::iota(all.begin(), all.end(), 0);
    FUZZ_CHECK(placed == all);

    const Result<QString> regrouped = list::groupListText(text);
    FUZZ_CHECK(regrouped);
    QStringList before = pieces, after = list::splitList(*regrouped);
    before.removeAll(QString());
    after.removeAll(QString());
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    FUZZ_CHECK(before == after);
    return 0;
}
