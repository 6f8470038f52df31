#include "list/needle_finder.h"

#include <QChar>
#include <QtAlgorithms>
#include <bitset>
#include <cstring>
#include <vector>

#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define VANTORIX_NEEDLE_SSE2 1
#endif

namespace vantorix::list {

namespace {

uchar foldByte(uchar c)
{
    return (c >= 'A' && c <= 'Z') ? uchar(c + ('a' - 'A')) : c;
}

uchar otherCase(uchar folded)
{
    return (folded >= 'a' && folded <= 'z') ? uchar(folded - ('a' - 'A')) : folded;
}

bool equalFolded(const uchar *text, const uchar *needle, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i) {
        if (foldByte(text[i]) != needle[i])
            return false;
    }
    return true;
}

// Which BMP characters take part in case folding, and which non-ASCII ones
// fold to an ASCII letter (KELVIN SIGN to k, LONG S to s).
struct FoldTable
{
    std::bitset<0x10000> involved;
    std::vector<std::pair<char16_t, char16_t>> toAscii; // (character, ASCII fold)

    FoldTable()
    {
        for (char32_t c = 0; c < 0x10000; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF)
                continue;
            const char32_t folded = QChar::toCaseFolded(c);
            if (folded == c)
                continue;
            involved.set(c);
            if (folded < 0x10000)
                involved.set(folded);
            if (c >= 0x80 && folded < 0x80)
                toAscii.emplace_back(char16_t(c), char16_t(folded));
        }
    }
};

const FoldTable &foldTable()
{
    static const FoldTable table;
    return table;
}

bool containsBytes(QByteArrayView haystack, QByteArrayView pattern)
{
    const char *p = haystack.data();
    const char *const end = p + haystack.size();
    while (end - p >= pattern.size()) {
        const void *hit = std::memchr(p, pattern[0], size_t(end - p));
        if (!hit)
            return false;
        p = static_cast<const char *>(hit);
        if (end - p >= pattern.size() &&
            std::memcmp(p, pattern.data(), size_t(pattern.size())) == 0)
            return true;
        ++p;
    }
    return false;
}

} // namespace

NeedleFinder::NeedleFinder(const QString &needle, QByteArrayView haystack)
    : m_needle(needle), m_haystack(haystack), m_folded(needle.toUtf8())
{
    for (char &c : m_folded)
        c = char(foldByte(uchar(c)));
    m_bytewise = !m_folded.isEmpty() && decideBytewise(haystack);
    const qsizetype m = m_folded.size();
    m_skip.fill(m);
    for (qsizetype i = 0; i + 1 < m; ++i)
        m_skip[uchar(m_folded[i])] = m - 1 - i;
}

bool NeedleFinder::decideBytewise(QByteArrayView haystack) const
{
    const FoldTable &table = foldTable();
    for (qsizetype i = 0; i < m_needle.size(); ++i) {
        const QChar ch = m_needle.at(i);
        const char16_t c = ch.unicode();
        if (ch.isSurrogate()) {
            // A character outside the BMP: bytewise only when it has no case.
            if (!ch.isHighSurrogate() || i + 1 >= m_needle.size() ||
                !m_needle.at(i + 1).isLowSurrogate())
                return false;
            const char32_t code = QChar::surrogateToUcs4(ch, m_needle.at(++i));
            if (QChar::toCaseFolded(code) != code || QChar::toUpper(code) != code ||
                QChar::toLower(code) != code)
                return false;
        } else if (c == QChar::ReplacementCharacter) {
            // Every malformed byte reads as one U+FFFD, as QString::fromUtf8
            // decodes it; a search for U+FFFD's own bytes would miss them.
            return false;
        } else if (c >= 0x80) {
            if (table.involved.test(c))
                return false;
        } else if (QChar::isLetter(c)) {
            // The few non-ASCII characters folding to this letter must be absent.
            const char16_t folded = char16_t(foldByte(uchar(c)));
            for (const auto &[other, target] : table.toAscii) {
                if (target == folded && containsBytes(haystack, QString(QChar(other)).toUtf8()))
                    return false;
            }
        }
    }
    return true;
}

qsizetype NeedleFinder::find(qsizetype from) const
{
    const auto *text = reinterpret_cast<const uchar *>(m_haystack.data());
    const auto *needle = reinterpret_cast<const uchar *>(m_folded.constData());
    const qsizetype n = m_haystack.size();
    const qsizetype m = m_folded.size();
    qsizetype pos = from;
#ifdef VANTORIX_NEEDLE_SSE2
    // Sixteen candidate positions at a time: those whose first and last
    // bytes match (either letter case) are compared in full.
    const __m128i first = _mm_set1_epi8(char(needle[0]));
    const __m128i firstOther = _mm_set1_epi8(char(otherCase(needle[0])));
    const __m128i last = _mm_set1_epi8(char(needle[m - 1]));
    const __m128i lastOther = _mm_set1_epi8(char(otherCase(needle[m - 1])));
    for (; pos + m - 1 + 16 <= n; pos += 16) {
        const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + pos));
        const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + pos + m - 1));
        const __m128i headHits =
            _mm_or_si128(_mm_cmpeq_epi8(head, first), _mm_cmpeq_epi8(head, firstOther));
        const __m128i tailHits =
            _mm_or_si128(_mm_cmpeq_epi8(tail, last), _mm_cmpeq_epi8(tail, lastOther));
        for (auto mask = uint(_mm_movemask_epi8(_mm_and_si128(headHits, tailHits))); mask;
             mask &= mask - 1) {
            const qsizetype candidate = pos + qCountTrailingZeroBits(mask);
            if (m <= 2 || equalFolded(text + candidate + 1, needle + 1, m - 2))
                return candidate;
        }
    }
#endif
    // Horspool over what is left.
    const uchar lastByte = needle[m - 1];
    while (pos + m <= n) {
        const uchar c = foldByte(text[pos + m - 1]);
        if (c == lastByte && equalFolded(text + pos, needle, m - 1))
            return pos;
        pos += m_skip[c];
    }
    return -1;
}

bool NeedleFinder::pieceContains(QByteArrayView piece) const
{
    return QString::fromUtf8(piece).contains(m_needle, Qt::CaseInsensitive);
}

} // namespace vantorix::list
