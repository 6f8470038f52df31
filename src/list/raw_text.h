#pragma once

#include <QString>
#include <QStringView>

namespace vantorix::list {

// A text document's raw text joins its blocks with U+2029 (and holds U+2028
// for a line break inside a block); a list box shows CRLF, a lone CR and a
// lone LF each as one such break.

// Whether `raw` is what the exact list text `exact` looks like in the box.
bool rawTextShows(QStringView raw, QStringView exact);

// The list text of `raw`: every break reads as CRLF.
QString listFromRawText(QStringView raw);

} // namespace vantorix::list
