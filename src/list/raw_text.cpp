#include "list/raw_text.h"

#include "list/keyword_list.h"

namespace vantorix::list {

namespace {

bool isBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator;
}

} // namespace

bool rawTextShows(QStringView raw, QStringView exact)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < exact.size() && j < raw.size()) {
        const QChar c = exact[i];
        if (isBreak(c)) {
            if (raw[j] != QChar::ParagraphSeparator)
                return false;
            i += (c == u'\r' && i + 1 < exact.size() && exact[i + 1] == u'\n') ? 2 : 1;
        } else {
            if (raw[j] != c)
                return false;
            ++i;
        }
        ++j;
    }
    return i == exact.size() && j == raw.size();
}

QString listFromRawText(QStringView raw)
{
    QString list;
    list.reserve(raw.size() + raw.size() / 8);
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            list += kSeparator;
        else
            list += c;
    }
    return list;
}

} // namespace vantorix::list
