#include "layout/live_hotlists.h"

#include "layout/json_fields.h"
#include "layout/live_markup.h"
#include "list/keyword_list.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <limits>
#include <vector>

namespace vantorix::layout {

namespace {

QString joinWords(const QStringList &raw)
{
    QString list;
    for (const QString &text : raw) {
        const QString word = liveWord(text);
        if (!word.isEmpty())
            list += word + list::kSeparator;
    }
    return list;
}

} // namespace

QString boardWordList(const QString &pageText)
{
    const QString start = QStringLiteral("<!--s-data:");
    const qsizetype at = pageText.indexOf(start);
    if (at < 0)
        return {};
    QStringView json = QStringView(pageText).mid(at + start.size());
    if (const qsizetype end = json.indexOf(QLatin1String("-->")); end >= 0)
        json = json.left(end);
    return joinWords(stringFields(json, u"word"));
}

QString hotRanksWordList(const QString &pageText)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(pageText.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        return joinWords(stringFields(pageText, u"title"));
    struct Ranked
    {
        double rank;
        QString title;
    };
    std::vector<Ranked> items;
    for (const QJsonValue item : json.object().value(QLatin1String("data")).toArray()) {
        const QJsonObject attributes =
            item.toObject().value(QLatin1String("attributes")).toObject();
        // An item without a rank keeps its place after the ranked ones.
        const QJsonValue rank = attributes.value(QLatin1String("rank"));
        bool ranked = rank.isDouble();
        const double value = ranked ? rank.toDouble() : rank.toString().toDouble(&ranked);
        items.push_back({ranked ? value : std::numeric_limits<double>::infinity(),
                         attributes.value(QLatin1String("title")).toString()});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const Ranked &a, const Ranked &b) { return a.rank < b.rank; });
    QStringList titles;
    for (const Ranked &item : items)
        titles.append(item.title);
    return joinWords(titles);
}

} // namespace vantorix::layout
