#pragma once

#include <QRandomGenerator>
#include <QStringList>

namespace vantorix::list {

// Uniform random order (Fisher-Yates) with the empty pieces left out.
QStringList shuffledPieces(QStringList pieces, QRandomGenerator &random);

// The list text shuffled: every non-empty piece followed by the separator.
QString ShuffleLines(const QString &text, const QString &separator,
                     QRandomGenerator &random = *QRandomGenerator::global());

} // namespace vantorix::list
