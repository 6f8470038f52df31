#include "mining/jcf.h"

#include "hotwords/extract.h"
#include "list/keyword_list.h"

namespace vantorix::mining {

bool passesFilter(const QString &word, const QString &filterText)
{
    return filterText.contains(kFilterOff, Qt::CaseInsensitive) ||
           word.contains(filterText, Qt::CaseInsensitive);
}

QString jcf(const QString &block, const QString &start, const QString &end,
            const HarvestRules &rules, const SeenKeywords &seen,
            const std::function<void(const QString &word)> &accept)
{
    QString result;
    hotwords::scanBetween(block, start, end, [&](const QString &word) {
        if (word.isEmpty() || word.size() <= rules.minLength)
            return;
        if (!passesFilter(word, rules.filterText) || seen.containsFramed(word))
            return;
        accept(word);
        result += word + list::kSeparator;
    });
    return result;
}

} // namespace vantorix::mining
