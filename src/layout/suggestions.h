#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace vantorix::layout {

// The search box's suggestions (下拉词) for a keyword: HOST/sugrec?prod=pc&wd=
// followed by the keyword percent-encoded as UTF-8.
QUrl suggestionUrl(const QString &searchHost, const QString &keyword);

// The suggested words of a /sugrec answer, {"q":…,"g":[{"q":"…"},…]}: the "q"
// string of each item of "g", in order, lower-cased as every harvested word
// is. Anything else (no "g", an empty answer, JSON that does not parse, an
// item without a string "q") gives no word for that part.
QStringList suggestionWords(const QString &answer);

} // namespace vantorix::layout
