#include "list/keyword_list.h"

namespace vantorix::list {

QStringList splitList(const QString &text, const QString &separator)
{
    if (text.isEmpty())
        return {};
    return text.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

QString joinList(const QStringList &pieces, const QString &separator)
{
    qsizetype size = 0;
    for (const QString &piece : pieces)
        size += piece.size() + separator.size();
    QString out;
    out.reserve(size);
    for (const QString &piece : pieces) {
        out += piece;
        out += separator;
    }
    return out;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype lf = text.indexOf(QLatin1Char('\n'), start);
        if (lf < 0) {
            lines.append(text.mid(start));
            break;
        }
        qsizetype end = (lf > start && text.at(lf - 1) == QLatin1Char('\r')) ? lf - 1 : lf;
        lines.append(text.mid(start, end - start));
        start = lf + 1;
    }
    return lines;
}

} // namespace vantorix::list
