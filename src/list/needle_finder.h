#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

namespace vantorix::list {

// Finds a text inside UTF-8 keywords, ignoring letter case exactly as
// QString::contains(..., Qt::CaseInsensitive) does; a malformed byte reads as
// U+FFFD, as QString::fromUtf8 decodes it. When case folding can be
// decided byte by byte (the usual case: ASCII letters, CJK, punctuation) the
// whole buffer is searched at once; otherwise each piece is decoded and
// compared as text.
class NeedleFinder
{
public:
    // `haystack` is the whole text the pieces will come from.
    NeedleFinder(const QString &needle, QByteArrayView haystack);

    // True when find() may be used; false means pieceContains() must be.
    bool searchesBytes() const { return m_bytewise; }

    // First match at or after `from` in the haystack, or -1. The match is
    // needleSize() bytes long.
    qsizetype find(qsizetype from) const;
    qsizetype needleSize() const { return m_folded.size(); }

    // The text comparison, for one piece.
    bool pieceContains(QByteArrayView piece) const;

private:
    bool decideBytewise(QByteArrayView haystack) const;

    QString m_needle;
    QByteArrayView m_haystack;
    QByteArray m_folded; // the needle's UTF-8, ASCII letters lower-cased
    std::array<qsizetype, 256> m_skip{};
    bool m_bytewise = false;
};

} // namespace vantorix::list
