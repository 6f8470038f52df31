#pragma once

#include <QRandomGenerator>
#include <QStringList>
#include <utility>

namespace vantorix::list {

// Uniform random order of `count` items (Fisher-Yates).
template <typename T> void shuffleInPlace(T *items, qsizetype count, QRandomGenerator &random)
{
    for (qsizetype i = count - 1; i > 0; --i) {
        const auto j = qsizetype(random.bounded(quint64(i) + 1));
        if (j != i)
            std::swap(items[i], items[j]);
    }
}

// Uniform random order (Fisher-Yates) with the empty pieces left out.
QStringList shuffledPieces(QStringList pieces, QRandomGenerator &random);

// The list text shuffled: every non-empty piece followed by the separator.
QString ShuffleLines(const QString &text, const QString &separator,
                     QRandomGenerator &random = *QRandomGenerator::global());

} // namespace vantorix::list
