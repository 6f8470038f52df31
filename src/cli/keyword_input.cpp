#include "cli/keyword_input.h"

#include <QStringDecoder>

namespace vantorix::cli {

KeywordText readKeywords(QByteArrayView utf8, list::TextLayout layout)
{
    KeywordText result;
    // UTF-16 never needs more units than UTF-8 has bytes, so the buffer is
    // never moved and the views stay valid (pages never written cost nothing).
    result.text.resize(utf8.size());
    QChar *end = result.text.data();
    result.keywords.reserve(list::maxPieceCount(utf8));
    // Stateless: each piece decodes on its own, a broken sequence included.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    list::PieceCursor cursor(utf8, layout);
    while (const std::optional<QByteArrayView> piece = cursor.next()) {
        if (piece->isEmpty())
            continue;
        QChar *const start = end;
        end = decoder.appendToBuffer(end, *piece);
        result.keywords.append(QStringView(start, end));
    }
    result.text.truncate(end - result.text.constData());
    return result;
}

} // namespace vantorix::cli
