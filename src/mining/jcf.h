#pragma once

#include "mining/seen_keywords.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace vantorix::mining {

// The filter text that means the containing filter is off.
inline const QString kFilterOff = QStringLiteral("未开启");

struct HarvestRules
{
    int minLength = 0;  // a keyword must be longer than this
    QString filterText; // keywords must contain it, unless it holds kFilterOff
};

// Whether a link text passes the containing filter (ignoring case; an empty
// filter text passes everything).
bool passesFilter(const QString &word, const QString &filterText);

// Harvests the link texts of one related-searches block, as the layout in
// use cut them out: a text not longer than the minimum length (or empty) is
// skipped, one that fails the filter or is framed by CRLF in the seen-list is
// dropped, every other one is handed to `accept` and added to the result,
// followed by CRLF.
QString jcf(const QStringList &linkTexts, const HarvestRules &rules, const SeenKeywords &seen,
            const std::function<void(const QString &word)> &accept);

} // namespace vantorix::mining
