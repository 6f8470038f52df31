#pragma once

#include <QStringList>

namespace vantorix::list {

// First occurrence of every piece that is not blank (spaces only), compared
// exactly, in original order.
QStringList uniquePieces(const QStringList &pieces);

// The list text de-duplicated: one separator, then each kept piece followed by
// the separator. Expected linear time.
QString RemoveDuplicateLines(const QString &text, const QString &separator);

} // namespace vantorix::list
