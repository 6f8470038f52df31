#pragma once

#include "sandbox/vocabulary.h"

#include <QString>
#include <array>

namespace vantorix::sandbox {

// A keyword read as core plus slot words: "女生快速减肥食谱一周" is the core
// 减肥 with 女生, 快速, 食谱 and 一周 in their slots.
struct KeywordShape
{
    QString core;
    std::array<int, SlotCount> words{-1, -1, -1, -1, -1}; // index into slotWords, -1 empty

    int level() const;
    bool operator==(const KeywordShape &other) const = default;
};

// Strips slot words from the ends of a keyword, outermost first, longest word
// first, ignoring case, and never down to an empty core. Every text has a
// shape; a text made of no slot words is all core.
KeywordShape parseShape(const QString &keyword);

// The keyword text: prefixes, core, suffixes, slot words in their own case.
QString composeShape(const KeywordShape &shape);

// True when the composed text reads back as the same shape, so it can stand as
// its own node of the graph.
bool isCanonical(const KeywordShape &shape);

} // namespace vantorix::sandbox
