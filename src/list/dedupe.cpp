#include "list/dedupe.h"

#include "list/filters.h"
#include "list/keyword_list.h"

#include <QSet>

namespace vantorix::list {

QStringList uniquePieces(const QStringList &pieces)
{
    QSet<QStringView> seen;
    seen.reserve(pieces.size());
    QStringList out;
    for (const QString &piece : pieces) {
        if (filterArgument(piece).isEmpty())
            continue;
        // Views into `pieces`, which outlives the set.
        if (!seen.contains(QStringView(piece))) {
            seen.insert(QStringView(piece));
            out.append(piece);
        }
    }
    return out;
}

QString RemoveDuplicateLines(const QString &text, const QString &separator)
{
    return separator + joinList(uniquePieces(splitList(text, separator)), separator);
}

} // namespace vantorix::list
