#pragma once

#include <QByteArrayView>
#include <optional>

namespace vantorix::list {

// How a UTF-8 text is cut into keywords.
enum class TextLayout {
    // A file of lines: LF or CRLF ends a line, a final newline ends the last
    // line instead of adding an empty one. Written back as LF lines.
    Lines,
    // The list text itself: pieces between exact CRLF pairs, as splitList cuts
    // it. Written back with CRLF after each piece.
    List,
};

// The terminator written after each kept piece.
QByteArrayView pieceTerminator(TextLayout layout);

// Walks the pieces of a text in order without copying them.
class PieceCursor
{
public:
    PieceCursor(QByteArrayView text, TextLayout layout);

    // The next piece, as a view into the text; none after the last one.
    std::optional<QByteArrayView> next();

private:
    QByteArrayView m_text;
    TextLayout m_layout;
    qsizetype m_position = 0;
    bool m_done;
};

// Where one piece lies: [begin, end), the next piece starting at `next`.
struct PieceSpan
{
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype next = 0;
};

// The piece holding the byte at `position`, found by looking no further back
// than `from`, which must be the start of a piece at or before it. None when
// the byte belongs to a separator.
std::optional<PieceSpan> pieceAt(QByteArrayView text, TextLayout layout, qsizetype from,
                                 qsizetype position);

// An upper bound of the number of pieces, in either layout (fast).
qsizetype maxPieceCount(QByteArrayView text);

// Length in UTF-16 code units, the unit keyword lengths are counted in. A byte
// of a malformed sequence counts as one character, as a decoder would
// replace it.
qsizetype utf16Length(QByteArrayView utf8);

// Empty or made of ASCII spaces only.
bool isBlank(QByteArrayView piece);

} // namespace vantorix::list
