#include "layout/suggestions.h"

#include "web/urls.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vantorix::layout {

QUrl suggestionUrl(const QString &searchHost, const QString &keyword)
{
    return web::pageUrl(searchHost, "/sugrec?prod=pc&wd=" + keyword.toUtf8().toPercentEncoding());
}

Suggestions suggestionWords(const QString &answer)
{
    // An answer that does not parse gives nothing rather than a guess: a
    // short list cannot be told from a cut-off one.
    const QJsonDocument document = QJsonDocument::fromJson(answer.toUtf8());
    Suggestions suggestions{document.isObject(), {}};
    for (const QJsonValue item : document.object().value(QLatin1String("g")).toArray()) {
        const QString word = item.toObject().value(QLatin1String("q")).toString();
        if (!word.trimmed().isEmpty())
            suggestions.words.append(word.toLower());
    }
    return suggestions;
}

} // namespace vantorix::layout
