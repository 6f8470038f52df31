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

QStringList suggestionWords(const QString &answer)
{
    // An answer that does not parse gives nothing rather than a guess: a
    // short list cannot be told from a cut-off one.
    const QJsonDocument document = QJsonDocument::fromJson(answer.toUtf8());
    QStringList words;
    for (const QJsonValue item : document.object().value(QLatin1String("g")).toArray()) {
        const QJsonValue word = item.toObject().value(QLatin1String("q"));
        if (word.isString())
            words.append(word.toString().toLower());
    }
    return words;
}

} // namespace vantorix::layout
