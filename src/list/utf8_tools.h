#pragma once

#include "list/byte_sink.h"
#include "list/export_text.h"
#include "list/piece_set.h"
#include "list/utf8_pieces.h"

#include <QRandomGenerator>
#include <QString>

namespace vantorix::list {

// The list tools over UTF-8 text, for large inputs: the pieces are views into
// `text` and the kept ones go straight to `out`. In the List layout the bytes
// written are the UTF-8 of what the QString tools return; in the Lines layout
// they are the same keywords as LF lines.

// First copy of each non-blank piece, compared exactly. The List layout keeps
// the leading separator of the list tool.
void dedupeUtf8(QByteArrayView text, TextLayout layout, ByteSink &out, PieceHash hash = hashBytes);

// The non-empty pieces in uniform random order.
void shuffleUtf8(QByteArrayView text, TextLayout layout, QRandomGenerator &random, ByteSink &out);

enum class TextFilter { Containing, NotContaining };

// Pieces that contain (or do not contain) the argument, trimmed of spaces,
// ignoring letter case. An argument of spaces only leaves the text as it is.
void filterByTextUtf8(QByteArrayView text, TextLayout layout, const QString &argument,
                      TextFilter filter, ByteSink &out);

// Pieces longer than `minLength` UTF-16 characters.
void filterLongerThanUtf8(QByteArrayView text, TextLayout layout, int minLength, ByteSink &out);

// The export text: every separator replaced by the chosen one. In the Lines
// layout each line is followed by it and the output ends with a newline.
void exportUtf8(QByteArrayView text, TextLayout layout, ExportSeparator separator, ByteSink &out);

} // namespace vantorix::list
