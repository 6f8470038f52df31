#include "list/shuffle.h"

#include "list/keyword_list.h"

#include <utility>

namespace vantorix::list {

QStringList shuffledPieces(QStringList pieces, QRandomGenerator &random)
{
    pieces.removeAll(QString());
    for (qsizetype i = pieces.size() - 1; i > 0; --i) {
        const auto j = qsizetype(random.bounded(quint64(i) + 1));
        if (j != i)
            pieces.swapItemsAt(i, j);
    }
    return pieces;
}

QString ShuffleLines(const QString &text, const QString &separator, QRandomGenerator &random)
{
    return joinList(shuffledPieces(splitList(text, separator), random), separator);
}

} // namespace vantorix::list
