#include "list/shuffle.h"

#include "list/keyword_list.h"

namespace vantorix::list {

QStringList shuffledPieces(QStringList pieces, QRandomGenerator &random)
{
    pieces.removeAll(QString());
    shuffleInPlace(pieces.data(), pieces.size(), random);
    return pieces;
}

QString ShuffleLines(const QString &text, const QString &separator, QRandomGenerator &random)
{
    return joinList(shuffledPieces(splitList(text, separator), random), separator);
}

} // namespace vantorix::list
