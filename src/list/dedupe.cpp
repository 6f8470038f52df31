#include "list/dedupe.h"

#include "list/keyword_list.h"

#include <QSet>
#include <algorithm>

namespace vantorix::list {

namespace {

// Empty or ASCII spaces only; such pieces are never kept.
bool isBlank(QStringView piece)
{
    return std::all_of(piece.begin(), piece.end(), [](QChar c) { return c == u' '; });
}

} // namespace

QStringList uniquePieces(const QStringList &pieces)
{
    QSet<QStringView> seen;
    seen.reserve(pieces.size());
    QStringList out;
    for (const QString &piece : pieces) {
        if (isBlank(piece))
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
