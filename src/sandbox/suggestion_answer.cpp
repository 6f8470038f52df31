#include "sandbox/pages.h"
#include "sandbox/stable_hash.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vantorix::sandbox {

using namespace Qt::StringLiterals;

QString suggestionAnswer(const QString &keyword, const QStringList &words, quint64 seed)
{
    QJsonObject answer{
        {u"err_no"_s, 0},
        {u"errmsg"_s, QString()},
        {u"queryid"_s, QString(u"0x"_s + QString::number(stableHash(seed, keyword), 16))},
        {u"q"_s, keyword},
        {u"p"_s, false}};
    if (!words.isEmpty()) {
        QJsonArray items;
        for (qsizetype i = 0; i < words.size(); ++i)
            items.append(QJsonObject{{u"type"_s, u"sug"_s},
                                     {u"sa"_s, QString(u"s_"_s + QString::number(i + 1))},
                                     {u"q"_s, words.at(i)}});
        answer.insert(u"g"_s, items);
    }
    answer.insert(u"slid"_s, QString::number(stableHash(seed + 1, keyword) % 1000000000000ULL));
    return QString::fromUtf8(QJsonDocument(answer).toJson(QJsonDocument::Compact));
}

} // namespace vantorix::sandbox
