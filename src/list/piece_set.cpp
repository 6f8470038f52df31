#include "list/piece_set.h"

#include <algorithm>
#include <cstring>

namespace vantorix::list {

namespace {

constexpr quint64 kMultiplier = 0x9E3779B97F4A7C15ULL;

quint64 load64(const char *p)
{
    quint64 word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

quint64 load32(const char *p)
{
    quint32 word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The last up-to-8 bytes as one word, read with fixed-size loads only (a
// variable-length copy would stall on store forwarding).
quint64 loadTail(const char *p, qsizetype size)
{
    if (size >= 8)
        return load64(p + size - 8);
    if (size >= 4)
        return (load32(p) << 32) | load32(p + size - 4);
    if (size > 0) {
        const auto *u = reinterpret_cast<const uchar *>(p);
        return (quint64(u[0]) << 16) | (quint64(u[size / 2]) << 8) | u[size - 1];
    }
    return 0;
}

quint64 mix(quint64 h)
{
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ULL;
    h ^= h >> 33;
    return h;
}

// A hint to load memory that will be read soon.
void prefetch(const void *address)
{
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
#else
    Q_UNUSED(address);
#endif
}

size_t slotIndex(quint64 hash, size_t mask)
{
    return size_t(hash) & mask;
}

} // namespace

quint64 hashBytes(QByteArrayView bytes)
{
    const char *p = bytes.data();
    const qsizetype size = bytes.size();
    quint64 h = quint64(size) * kMultiplier;
    // Whole words, then the last (possibly overlapping) word.
    for (qsizetype i = 0; i + 8 < size; i += 8)
        h = (h ^ load64(p + i)) * kMultiplier + (h >> 29);
    h = (h ^ loadTail(p, size)) * kMultiplier + (h >> 29);
    return mix(h);
}

namespace {

constexpr int kOffsetBits = 40;
constexpr quint64 kOffsetMask = (quint64(1) << kOffsetBits) - 1;

quint64 tagOf(quint64 hash)
{
    return hash >> kOffsetBits << kOffsetBits;
}

} // namespace

PieceSet::PieceSet(QByteArrayView text, TextLayout layout, PieceHash hash)
    : m_text(text), m_layout(layout), m_hash(hash), m_slots(1024, 0), m_mask(1023)
{
    Q_ASSERT(quint64(text.size()) < kOffsetMask);
}

bool PieceSet::pieceEndsAt(qsizetype begin, qsizetype position) const
{
    const qsizetype n = m_text.size();
    if (position == n)
        return true;
    const char c = m_text[position];
    if (c == '\r')
        return position + 1 < n && m_text[position + 1] == '\n';
    // A line's LF ends the piece, unless the piece's last byte is a CR: that
    // CR belongs to the line end, so the piece stored there is shorter.
    return c == '\n' && m_layout == TextLayout::Lines &&
           (position == begin || m_text[position - 1] != '\r');
}

bool PieceSet::matches(quint64 slot, quint64 hash, QByteArrayView piece) const
{
    if ((slot & ~kOffsetMask) != tagOf(hash))
        return false;
    const auto offset = qsizetype((slot & kOffsetMask) - 1);
    return offset + piece.size() <= m_text.size() &&
           std::memcmp(m_text.data() + offset, piece.data(), size_t(piece.size())) == 0 &&
           pieceEndsAt(offset, offset + piece.size());
}

bool PieceSet::insert(QByteArrayView piece)
{
    return insertHashed(piece, m_hash(piece));
}

void PieceSet::insertMany(const QByteArrayView *pieces, qsizetype count, bool *added)
{
    constexpr qsizetype kBatch = 32;
    quint64 hashes[kBatch];
    for (qsizetype begin = 0; begin < count; begin += kBatch) {
        const qsizetype n = std::min(kBatch, count - begin);
        for (qsizetype i = 0; i < n; ++i) {
            hashes[i] = m_hash(pieces[begin + i]);
            prefetch(&m_slots[slotIndex(hashes[i], m_mask)]);
        }
        for (qsizetype i = 0; i < n; ++i)
            added[begin + i] = insertHashed(pieces[begin + i], hashes[i]);
    }
}

bool PieceSet::insertHashed(QByteArrayView piece, quint64 hash)
{
    for (size_t i = slotIndex(hash, m_mask);; i = (i + 1) & m_mask) {
        quint64 &slot = m_slots[i];
        if (slot == 0) {
            const auto offset = quint64(piece.data() - m_text.data());
            slot = tagOf(hash) | (offset + 1);
            if (size_t(++m_size) * 4 > m_slots.size() * 3)
                grow();
            return true;
        }
        if (matches(slot, hash, piece))
            return false;
    }
}

void PieceSet::grow()
{
    std::vector<quint64> old(m_slots.size() * 2, 0);
    old.swap(m_slots);
    m_mask = m_slots.size() - 1;
    for (const quint64 slot : old) {
        if (slot == 0)
            continue;
        // The slot keeps no length; the piece runs to the next separator.
        const auto offset = qsizetype((slot & kOffsetMask) - 1);
        PieceCursor cursor(m_text.sliced(offset), m_layout);
        // None for the empty piece at the very end.
        const QByteArrayView piece = cursor.next().value_or(m_text.sliced(offset, 0));
        size_t i = slotIndex(m_hash(piece), m_mask);
        while (m_slots[i] != 0)
            i = (i + 1) & m_mask;
        m_slots[i] = slot;
    }
}

} // namespace vantorix::list
