#pragma once

#include <QString>
#include <functional>

namespace vantorix::web {

// The lower-cased section after the first start marker, ending before the next
// end marker or a second start marker, whichever comes first. Empty when
// either marker is missing (searched ignoring case) or the start marker is empty.
QString ExtractBetween(const QString &text, const QString &start, const QString &end);

// Calls `visit` with every piece that runs from the end of a start marker to
// the next end marker, in document order, case preserved. Empty pieces are
// passed too. The scan stops when no end marker follows the next start marker,
// or when either marker is empty.
void scanBetween(const QString &text, const QString &start, const QString &end,
                 const std::function<void(const QString &piece)> &visit);

// Every non-empty piece between a start marker and the following end marker,
// each followed by CRLF.
QString ExtractAllBetween(const QString &text, const QString &start, const QString &end);

} // namespace vantorix::web
