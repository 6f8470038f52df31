#include "web/extract.h"

#include "list/keyword_list.h"

namespace vantorix::web {

QString ExtractBetween(const QString &text, const QString &start, const QString &end)
{
    if (text.isEmpty() || start.isEmpty())
        return {};
    // Presence and cut both search the lower-cased text, so the presence test
    // finds every marker the cut finds, also where lower-casing changes a
    // length (a capital I with a dot above becomes two characters).
    const QString lower = text.toLower();
    const QString lowerStart = start.toLower();
    const QString lowerEnd = end.toLower();
    const qsizetype first = lower.indexOf(lowerStart);
    if (first < 0 || !lower.contains(lowerEnd))
        return {};
    const qsizetype from = first + lowerStart.size();
    const qsizetype second = lower.indexOf(lowerStart, from);
    QStringView section = QStringView(lower).mid(from, second < 0 ? -1 : second - from);
    if (!lowerEnd.isEmpty()) {
        const qsizetype stop = section.indexOf(lowerEnd);
        if (stop >= 0)
            section = section.left(stop);
    }
    return section.toString();
}

void scanBetween(const QString &text, const QString &start, const QString &end,
                 const std::function<void(const QString &piece)> &visit)
{
    if (start.isEmpty() || end.isEmpty())
        return;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype open = text.indexOf(start, pos, Qt::CaseInsensitive);
        if (open < 0)
            return;
        const qsizetype from = open + start.size();
        const qsizetype close = text.indexOf(end, from, Qt::CaseInsensitive);
        if (close < 0)
            return;
        visit(text.mid(from, close - from));
        pos = close;
    }
}

QString ExtractAllBetween(const QString &text, const QString &start, const QString &end)
{
    QString out;
    scanBetween(text, start, end, [&out](const QString &piece) {
        if (!piece.isEmpty())
            out += piece + list::kSeparator;
    });
    return out;
}

} // namespace vantorix::web
