#include "sandbox/keyword_shape.h"

namespace vantorix::sandbox {

namespace {

const QStringList &lowerSlotWords(int slot)
{
    static const auto table = [] {
        std::array<QStringList, SlotCount> lowered;
        for (int s = 0; s < SlotCount; ++s)
            for (const QString &word : slotWords(s))
                lowered[s].append(word.toLower());
        return lowered;
    }();
    return table[slot];
}

// Index of the longest word of `slot` that `rest` starts (or ends) with and
// leaves something behind; -1 when none fits.
int longestAffix(QStringView rest, int slot, bool atEnd)
{
    int best = -1;
    qsizetype bestLength = 0;
    const QStringList &candidates = lowerSlotWords(slot);
    for (int i = 0; i < candidates.size(); ++i) {
        const QString &word = candidates.at(i);
        if (word.size() <= bestLength || word.size() >= rest.size())
            continue;
        if (atEnd ? rest.endsWith(word) : rest.startsWith(word)) {
            best = i;
            bestLength = word.size();
        }
    }
    return best;
}

} // namespace

int KeywordShape::level() const
{
    int filled = 0;
    for (const int w : words)
        filled += w >= 0 ? 1 : 0;
    return filled;
}

KeywordShape parseShape(const QString &keyword)
{
    KeywordShape shape;
    const QString lower = keyword.toLower();
    // Slice the original text where lower-casing kept the length, so the core
    // keeps the case it was asked with.
    const QString &source = lower.size() == keyword.size() ? keyword : lower;
    qsizetype from = 0;
    qsizetype to = lower.size();
    for (const int slot : {Ask, When, What}) {
        const int found = longestAffix(QStringView(lower).mid(from, to - from), slot, true);
        if (found >= 0) {
            shape.words[slot] = found;
            to -= lowerSlotWords(slot).at(found).size();
        }
    }
    for (const int slot : {Who, How}) {
        const int found = longestAffix(QStringView(lower).mid(from, to - from), slot, false);
        if (found >= 0) {
            shape.words[slot] = found;
            from += lowerSlotWords(slot).at(found).size();
        }
    }
    shape.core = source.mid(from, to - from);
    return shape;
}

QString composeShape(const KeywordShape &shape)
{
    auto word = [&shape](int slot) {
        return shape.words[slot] < 0 ? QString() : slotWords(slot).at(shape.words[slot]);
    };
    return word(Who) + word(How) + shape.core + word(What) + word(When) + word(Ask);
}

bool isCanonical(const KeywordShape &shape)
{
    const KeywordShape back = parseShape(composeShape(shape));
    return back.words == shape.words && back.core.compare(shape.core, Qt::CaseInsensitive) == 0;
}

} // namespace vantorix::sandbox
