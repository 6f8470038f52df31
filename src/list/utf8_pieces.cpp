#include "list/utf8_pieces.h"

#include <algorithm>
#include <cstring>

namespace vantorix::list {

namespace {

// Index of the first LF at or after `from`, or -1.
qsizetype findLf(QByteArrayView text, qsizetype from)
{
    if (from >= text.size())
        return -1;
    const void *hit = std::memchr(text.data() + from, '\n', size_t(text.size() - from));
    return hit ? static_cast<const char *>(hit) - text.data() : -1;
}

// Index of the CR of the first CRLF at or after `from`, or -1.
qsizetype findCrLf(QByteArrayView text, qsizetype from)
{
    for (qsizetype lf = findLf(text, from + 1); lf >= 0; lf = findLf(text, lf + 1)) {
        if (text[lf - 1] == '\r')
            return lf - 1;
    }
    return -1;
}

} // namespace

QByteArrayView pieceTerminator(TextLayout layout)
{
    return layout == TextLayout::Lines ? QByteArrayView("\n", 1) : QByteArrayView("\r\n", 2);
}

PieceCursor::PieceCursor(QByteArrayView text, TextLayout layout)
    : m_text(text), m_layout(layout), m_done(text.isEmpty())
{
}

std::optional<QByteArrayView> PieceCursor::next()
{
    if (m_done)
        return std::nullopt;
    const qsizetype start = m_position;
    if (m_layout == TextLayout::Lines) {
        const qsizetype lf = findLf(m_text, start);
        if (lf < 0) {
            m_done = true;
            return m_text.sliced(start);
        }
        const qsizetype end = (lf > start && m_text[lf - 1] == '\r') ? lf - 1 : lf;
        m_position = lf + 1;
        m_done = m_position >= m_text.size();
        return m_text.sliced(start, end - start);
    }
    const qsizetype cr = findCrLf(m_text, start);
    if (cr < 0) {
        // The last piece; after a final CRLF it is the empty one.
        m_done = true;
        return m_text.sliced(start);
    }
    m_position = cr + 2;
    return m_text.sliced(start, cr - start);
}

std::optional<PieceSpan> pieceAt(QByteArrayView text, TextLayout layout, qsizetype from,
                                 qsizetype position)
{
    const qsizetype n = text.size();
    const bool crLfAt = text[position] == '\r' && position + 1 < n && text[position + 1] == '\n';
    if (layout == TextLayout::Lines) {
        if (text[position] == '\n' || crLfAt)
            return std::nullopt;
        qsizetype begin = position;
        while (begin > from && text[begin - 1] != '\n')
            --begin;
        const qsizetype lf = findLf(text, position);
        if (lf < 0)
            return PieceSpan{begin, n, n};
        return PieceSpan{begin, text[lf - 1] == '\r' ? lf - 1 : lf, lf + 1};
    }
    if (crLfAt || (text[position] == '\n' && position > from && text[position - 1] == '\r'))
        return std::nullopt;
    qsizetype begin = position;
    while (begin > from + 1 && !(text[begin - 1] == '\n' && text[begin - 2] == '\r'))
        --begin;
    if (begin == from + 1)
        begin = from;
    const qsizetype cr = findCrLf(text, position);
    if (cr < 0)
        return PieceSpan{begin, n, n};
    return PieceSpan{begin, cr, cr + 2};
}

qsizetype maxPieceCount(QByteArrayView text)
{
    return qsizetype(std::count(text.begin(), text.end(), '\n')) + 1;
}

qsizetype utf16Length(QByteArrayView utf8)
{
    const auto *p = reinterpret_cast<const uchar *>(utf8.data());
    const uchar *const end = p + utf8.size();
    qsizetype length = 0;
    while (p < end) {
        const uchar lead = *p;
        int trail = 0;
        char32_t code = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            ++length;
            ++p;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            trail = 1, code = lead & 0x1F, minimum = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            trail = 2, code = lead & 0x0F, minimum = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            trail = 3, code = lead & 0x07, minimum = 0x10000;
        }
        bool valid = trail > 0 && end - p > trail;
        for (int i = 1; valid && i <= trail; ++i) {
            valid = (p[i] & 0xC0) == 0x80;
            code = (code << 6) | (p[i] & 0x3F);
        }
        valid = valid && code >= minimum && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (!valid) {
            ++length; // replaced by one character
            ++p;
            continue;
        }
        length += trail == 3 ? 2 : 1;
        p += trail + 1;
    }
    return length;
}

bool isBlank(QByteArrayView piece)
{
    for (const char c : piece) {
        if (c != ' ')
            return false;
    }
    return true;
}

} // namespace vantorix::list
