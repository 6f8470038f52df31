#pragma once

#include "layout/page_layout.h"

#include <QString>
#include <QUrl>

namespace vantorix::layout {

// The search box's suggestions (下拉词) for a keyword: HOST/sugrec?prod=pc&wd=
// followed by the keyword percent-encoded as UTF-8.
QUrl suggestionUrl(const QString &searchHost, const QString &keyword);

// The suggested words of a /sugrec answer, {"q":…,"g":[{"q":"…"},…]}: the "q"
// string of each item of "g", in order, lower-cased as every harvested word
// is. A blank "q" (white space only), an item without a string "q" or an
// object without "g" gives no word; an answer that is no JSON object (empty,
// cut off, a page) is unusable.
Suggestions suggestionWords(const QString &answer);

} // namespace vantorix::layout
