#include "sandbox/hot_lists.h"

#include "sandbox/stable_hash.h"
#include "sandbox/vocabulary.h"

namespace vantorix::sandbox {

QString hotListPath(HotList list)
{
    switch (list) {
    case HotList::BaiduToday:
        return QStringLiteral("/buzz/top10.html");
    case HotList::BaiduWeek:
        return QStringLiteral("/buzz/weekhotspot.html");
    case HotList::SogouToday:
        return QStringLiteral("/000002.html");
    case HotList::SogouWeek:
        return QStringLiteral("/000001.html");
    case HotList::BaiduNew:
        return QStringLiteral("/buzz/shijian.html");
    case HotList::BaiduLastMonth:
        return QStringLiteral("/buzz/shijian_lastmonth.html");
    }
    return {};
}

std::optional<HotList> hotListForPath(const QString &path)
{
    for (const HotList list : kAllHotLists)
        if (hotListPath(list) == path)
            return list;
    return std::nullopt;
}

bool isSogouList(HotList list)
{
    return list == HotList::SogouToday || list == HotList::SogouWeek;
}

QStringList hotListWords(HotList list, quint64 seed)
{
    const bool coinages = list == HotList::BaiduNew || list == HotList::BaiduLastMonth;
    const QStringList &topics = coinages ? newCoinages() : newsTopics();
    const int wanted = isSogouList(list) ? 25 : (coinages ? 20 : 30);
    SplitMix rng(stableHash(seed, hotListPath(list)));
    QStringList result;
    for (int attempt = 0; result.size() < wanted && attempt < 1000; ++attempt) {
        QString word = topics.at(rng.below(static_cast<int>(topics.size())));
        // Most hot searches are a topic narrowed by one more word.
        if (rng.below(10) < 7) {
            const int slot = coinages && rng.below(2) == 0 ? What : Ask;
            const QStringList &pool = slotWords(slot);
            word += pool.at(rng.below(static_cast<int>(pool.size())));
        }
        if (!result.contains(word, Qt::CaseInsensitive))
            result.append(word);
    }
    return result;
}

} // namespace vantorix::sandbox
