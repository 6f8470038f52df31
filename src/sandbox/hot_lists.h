#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vantorix::sandbox {

// The six ranking pages and the date range each covers.
enum class HotList { BaiduToday, BaiduWeek, SogouToday, SogouWeek, BaiduNew, BaiduLastMonth };

inline constexpr HotList kAllHotLists[] = {HotList::BaiduToday, HotList::BaiduWeek,
                                           HotList::SogouToday, HotList::SogouWeek,
                                           HotList::BaiduNew,   HotList::BaiduLastMonth};

QString hotListPath(HotList list);
std::optional<HotList> hotListForPath(const QString &path);
bool isSogouList(HotList list);

// The words the page lists, in page order and their own case: topics of the
// list's date range joined to words of the keyword graph's vocabulary.
QStringList hotListWords(HotList list, quint64 seed);

} // namespace vantorix::sandbox
