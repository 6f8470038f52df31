#pragma once

#include <QStringList>

namespace vantorix::sandbox {

// The slots a long-tail keyword is built from, in the order they stand in the
// keyword: two prefixes, the core (the keyword the user started from), three
// suffixes. Each slot holds at most one word.
enum Slot { Who, How, What, When, Ask, SlotCount };

// Every slot offers at least this many words, which caps the fan-out.
inline constexpr int kSlotWordsMinimum = 30;

const QStringList &slotWords(int slot);

// Short words (one to three characters, some Latin) that crop up among related
// searches; they only lead to one another.
const QStringList &shortWords();

// Topics of the hot lists: news of the day and week, and new coinages.
const QStringList &newsTopics();
const QStringList &newCoinages();

} // namespace vantorix::sandbox
