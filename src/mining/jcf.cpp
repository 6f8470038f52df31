#include "mining/jcf.h"

#include "list/keyword_list.h"

namespace vantorix::mining {

bool passesFilter(const QString &word, const QString &filterText)
{
    return filterText.contains(kFilterOff, Qt::CaseInsensitive) ||
           word.contains(filterText, Qt::CaseInsensitive);
}

QString jcf(const QStringList &linkTexts, const HarvestRules &rules, const SeenKeywords &seen,
            const std::function<void(const QString &word)> &accept)
{
    QString result;
    for (const QString &word : linkTexts) {
        if (word.isEmpty() || word.size() <= rules.minLength)
            continue;
        if (!passesFilter(word, rules.filterText) || seen.containsFramed(word))
            continue;
        accept(word);
        result += word + list::kSeparator;
    }
    return result;
}

} // namespace vantorix::mining
