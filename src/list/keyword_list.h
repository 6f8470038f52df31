#pragma once

#include <QString>
#include <QStringList>

namespace vantorix::list {

// The keyword list's line separator. A lone CR or LF is part of a keyword.
inline const QString kSeparator = QStringLiteral("\r\n");

// Cuts the list text at every separator. An empty text has no pieces; a
// trailing separator leaves an empty last piece.
QStringList splitList(const QString &text, const QString &separator = kSeparator);

// Each piece followed by the separator; no pieces give the empty text.
QString joinList(const QStringList &pieces, const QString &separator = kSeparator);

// Keywords as a line-oriented file holds them: LF or CRLF ends a line and a
// final newline ends the last line instead of adding an empty one.
QStringList splitLines(const QString &text);

} // namespace vantorix::list
