#include "list/filters.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace vantorix::list {

namespace {

template <typename Keep> QStringList keepIf(const QStringList &pieces, Keep keep)
{
    QStringList out;
    out.reserve(pieces.size());
    for (const QString &piece : pieces) {
        if (keep(piece))
            out.append(piece);
    }
    return out;
}

std::optional<double> toDouble(const QString &text)
{
    bool ok = false;
    double value = QLocale::system().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    if (!ok || std::isnan(value))
        return std::nullopt;
    return value;
}

} // namespace

QString filterArgument(const QString &raw)
{
    qsizetype begin = 0;
    qsizetype end = raw.size();
    while (begin < end && raw.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && raw.at(end - 1) == QLatin1Char(' '))
        --end;
    return raw.mid(begin, end - begin);
}

QStringList keepContaining(const QStringList &pieces, const QString &needle)
{
    return keepIf(pieces,
                  [&](const QString &p) { return p.contains(needle, Qt::CaseInsensitive); });
}

QStringList keepNotContaining(const QStringList &pieces, const QString &needle)
{
    return keepIf(pieces,
                  [&](const QString &p) { return !p.contains(needle, Qt::CaseInsensitive); });
}

QStringList keepLongerThan(const QStringList &pieces, int minLength)
{
    return keepIf(pieces, [&](const QString &p) { return p.size() > minLength; });
}

std::optional<int> parseFlooredNumber(const QString &text)
{
    const std::optional<double> value = toDouble(text.trimmed());
    if (!value)
        return std::nullopt;
    const double floored = std::floor(*value);
    if (floored < double(std::numeric_limits<int>::min()) ||
        floored > double(std::numeric_limits<int>::max()))
        return std::nullopt;
    return int(floored);
}

} // namespace vantorix::list
