#include "list/utf8_tools.h"

#include "list/filters.h"
#include "list/needle_finder.h"
#include "list/piece_set.h"
#include "list/shuffle.h"

#include <vector>

namespace vantorix::list {

namespace {

void writeAll(QByteArrayView text, TextLayout layout, ByteSink &out)
{
    if (layout == TextLayout::List) {
        out.write(text);
        return;
    }
    PieceCursor cursor(text, layout);
    while (const auto piece = cursor.next()) {
        out.write(*piece);
        out.write("\n");
    }
}

// Visits every piece with whether it contains the needle.
template <typename Visit>
void forEachPieceMatch(QByteArrayView text, TextLayout layout, const NeedleFinder &finder,
                       Visit visit)
{
    PieceCursor cursor(text, layout);
    if (!finder.searchesBytes()) {
        while (const auto piece = cursor.next())
            visit(*piece, finder.pieceContains(*piece));
        return;
    }
    // One search over the whole buffer; the first match at or after a piece's
    // start decides it: inside the piece it matches, past its end it does not.
    const qsizetype length = finder.needleSize();
    qsizetype match = finder.find(0);
    while (const auto piece = cursor.next()) {
        const qsizetype begin = piece->data() - text.data();
        const qsizetype end = begin + piece->size();
        if (match >= 0 && match < begin)
            match = finder.find(begin);
        visit(*piece, match >= 0 && match + length <= end);
    }
}

// The pieces holding a match, found from the matches alone: for a rare text
// this skips walking the millions of pieces that cannot hold it.
void writeMatchingPieces(QByteArrayView text, TextLayout layout, const NeedleFinder &finder,
                         ByteSink &out)
{
    const QByteArrayView terminator = pieceTerminator(layout);
    const qsizetype length = finder.needleSize();
    qsizetype from = 0;
    qsizetype searchFrom = 0;
    for (qsizetype match; (match = finder.find(searchFrom)) >= 0;) {
        const std::optional<PieceSpan> span = pieceAt(text, layout, from, match);
        if (!span) {
            searchFrom = match + 1;
        } else if (match + length <= span->end) {
            out.write(text.sliced(span->begin, span->end - span->begin));
            out.write(terminator);
            from = searchFrom = span->next;
        } else {
            from = span->begin; // the match runs into the separator
            searchFrom = match + 1;
        }
    }
}

} // namespace

void dedupeUtf8(QByteArrayView text, TextLayout layout, ByteSink &out, PieceHash hash)
{
    const QByteArrayView terminator = pieceTerminator(layout);
    if (layout == TextLayout::List)
        out.write(terminator);
    PieceSet seen(text, layout, hash);
    // Batches let the set fetch its table ahead of the look-ups.
    constexpr qsizetype kBatch = 64;
    QByteArrayView batch[kBatch];
    bool added[kBatch];
    qsizetype count = 0;
    const auto flushBatch = [&] {
        seen.insertMany(batch, count, added);
        for (qsizetype i = 0; i < count; ++i) {
            if (added[i]) {
                out.write(batch[i]);
                out.write(terminator);
            }
        }
        count = 0;
    };
    PieceCursor cursor(text, layout);
    while (const auto piece = cursor.next()) {
        if (isBlank(*piece))
            continue;
        batch[count++] = *piece;
        if (count == kBatch)
            flushBatch();
    }
    flushBatch();
}

void shuffleUtf8(QByteArrayView text, TextLayout layout, QRandomGenerator &random, ByteSink &out)
{
    std::vector<QByteArrayView> pieces;
    pieces.reserve(size_t(maxPieceCount(text)));
    PieceCursor cursor(text, layout);
    while (const auto piece = cursor.next()) {
        if (!piece->isEmpty())
            pieces.push_back(*piece);
    }
    shuffleInPlace(pieces.data(), qsizetype(pieces.size()), random);
    const QByteArrayView terminator = pieceTerminator(layout);
    for (const QByteArrayView piece : pieces) {
        out.write(piece);
        out.write(terminator);
    }
}

void filterByTextUtf8(QByteArrayView text, TextLayout layout, const QString &argument,
                      TextFilter filter, ByteSink &out)
{
    const QString needle = filterArgument(argument);
    if (needle.isEmpty()) {
        writeAll(text, layout, out);
        return;
    }
    const NeedleFinder finder(needle, text);
    if (filter == TextFilter::Containing && finder.searchesBytes()) {
        writeMatchingPieces(text, layout, finder, out);
        return;
    }
    const QByteArrayView terminator = pieceTerminator(layout);
    const bool wanted = filter == TextFilter::Containing;
    forEachPieceMatch(text, layout, finder, [&](QByteArrayView piece, bool contains) {
        if (contains == wanted) {
            out.write(piece);
            out.write(terminator);
        }
    });
}

void filterLongerThanUtf8(QByteArrayView text, TextLayout layout, int minLength, ByteSink &out)
{
    const QByteArrayView terminator = pieceTerminator(layout);
    // A UTF-16 length lies between a third of the byte count and the byte
    // count, so most pieces are decided without counting.
    const qint64 surelyLonger = 3 * (qint64(minLength) + 1);
    PieceCursor cursor(text, layout);
    while (const auto piece = cursor.next()) {
        const qsizetype bytes = piece->size();
        const bool longer =
            bytes > minLength && (bytes >= surelyLonger || utf16Length(*piece) > minLength);
        if (longer) {
            out.write(*piece);
            out.write(terminator);
        }
    }
}

void exportUtf8(QByteArrayView text, TextLayout layout, ExportSeparator separator, ByteSink &out)
{
    const char mark = separator == ExportSeparator::Comma ? ','
                      : separator == ExportSeparator::Bar ? '|'
                                                          : '\n';
    const QByteArrayView markView(&mark, 1);
    PieceCursor cursor(text, layout);
    if (layout == TextLayout::List) {
        if (separator == ExportSeparator::Newline) {
            out.write(text); // the list's own CRLF stays
            return;
        }
        for (bool first = true; const auto piece = cursor.next(); first = false) {
            if (!first)
                out.write(markView);
            out.write(*piece);
        }
        return;
    }
    bool any = false;
    for (; const auto piece = cursor.next(); any = true) {
        out.write(*piece);
        out.write(markView);
    }
    if (any && mark != '\n')
        out.write("\n"); // the export text as one output line
}

} // namespace vantorix::list
