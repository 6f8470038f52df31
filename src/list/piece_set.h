#pragma once

#include "list/utf8_pieces.h"

#include <QByteArrayView>
#include <vector>

namespace vantorix::list {

// 64-bit hash of a byte string (fast, not keyed).
quint64 hashBytes(QByteArrayView bytes);

// The hash a PieceSet files its pieces by. Tests give one that makes every
// piece collide, so that the exact comparison decides every look-up.
using PieceHash = quint64 (*)(QByteArrayView bytes);

// The distinct pieces of one text, for de-duplicating millions of short
// keywords: open addressing over 8-byte slots that hold where a piece starts
// in the text (its end is the next separator), so the memory is a fraction
// of the text's. Texts up to 1 TiB.
class PieceSet
{
public:
    // `text` must outlive the set.
    PieceSet(QByteArrayView text, TextLayout layout, PieceHash hash = hashBytes);

    // Adds a piece of the text unless an identical one is present; true when
    // added.
    bool insert(QByteArrayView piece);

    // insert() for many pieces, in order: added[i] tells whether pieces[i]
    // was new. Faster, as the table is fetched ahead of the look-ups.
    void insertMany(const QByteArrayView *pieces, qsizetype count, bool *added);

    qsizetype size() const { return m_size; }

private:
    bool insertHashed(QByteArrayView piece, quint64 hash);
    bool matches(quint64 slot, quint64 hash, QByteArrayView piece) const;
    bool pieceEndsAt(qsizetype begin, qsizetype position) const;
    void grow();

    QByteArrayView m_text;
    TextLayout m_layout;
    PieceHash m_hash;
    // Each slot: 24 high bits of the hash, then 40 bits of 1 + the piece's
    // offset in the text; 0 is a free slot.
    std::vector<quint64> m_slots;
    size_t m_mask;
    qsizetype m_size = 0;
};

} // namespace vantorix::list
