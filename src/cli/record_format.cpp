#include "cli/record_format.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace vantorix::cli {

std::optional<RecordFormat> parseRecordFormat(const QString &name)
{
    const qsizetype index = recordFormatNames().indexOf(name);
    if (index < 0)
        return std::nullopt;
    return RecordFormat(index);
}

QStringList recordFormatNames()
{
    return {QStringLiteral("lines"), QStringLiteral("tsv"), QStringLiteral("json")};
}

QString tsvField(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<QString> tsvFieldText(QStringView field)
{
    QString text;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\') {
            text += field[i];
            continue;
        }
        if (++i == field.size())
            return std::nullopt;
        switch (field[i].unicode()) {
        case u'\\':
            text += u'\\';
            break;
        case u't':
            text += u'\t';
            break;
        case u'r':
            text += u'\r';
            break;
        case u'n':
            text += u'\n';
            break;
        default:
            return std::nullopt;
        }
    }
    return text;
}

QString jsonString(QStringView text)
{
    const QByteArray array =
        QJsonDocument(QJsonArray{text.toString()}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.sliced(1, array.size() - 2)); // drop "[" and "]"
}

} // namespace vantorix::cli
