#pragma once

#include <QString>

namespace vantorix::layout {

// The word list (each word followed by CRLF) of today's Baidu hot-list page,
// "/board?tab=realtime": the "word" values of its s-data JSON in page order,
// read field by field so that a cut-off or damaged JSON still gives its words.
QString boardWordList(const QString &pageText);

// The word list of Sogou's "/hot_ranks" JSON: the titles in rank order; from
// a JSON that does not parse, its "title" values in text order.
QString hotRanksWordList(const QString &pageText);

} // namespace vantorix::layout
