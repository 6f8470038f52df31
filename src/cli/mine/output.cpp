#include "cli/mine/output.h"

#include "common/message_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace vantorix::cli {

namespace {

QString tsvField(const QString &text)
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

QString jsonString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.sliced(1, array.size() - 2)); // drop "[" and "]"
}

} // namespace

std::optional<MineFormat> parseMineFormat(const QString &name)
{
    if (name == QLatin1String("lines"))
        return MineFormat::Lines;
    if (name == QLatin1String("tsv"))
        return MineFormat::Tsv;
    if (name == QLatin1String("json"))
        return MineFormat::Json;
    return std::nullopt;
}

QString oneLine(const QString &text)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return QString(text).replace(lineBreak, QStringLiteral(" "));
}

QString counted(qsizetype count, const char *one, const char *many)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(count == 1 ? one : many);
}

QString quoted(const QString &keyword)
{
    return QLatin1Char('\'') + oneLine(clipped(keyword)) + QLatin1Char('\'');
}

QString mineRecord(MineFormat format, const QString &keyword, int generation, const QString &parent,
                   const QString &source)
{
    switch (format) {
    case MineFormat::Tsv:
        return tsvField(keyword) + QLatin1Char('\t') + QString::number(generation) +
               QLatin1Char('\t') + tsvField(parent) + QLatin1Char('\t') + source +
               QLatin1Char('\n');
    case MineFormat::Json:
        return QStringLiteral("{\"keyword\":") + jsonString(keyword) +
               QStringLiteral(",\"generation\":") + QString::number(generation) +
               QStringLiteral(",\"parent\":") + jsonString(parent) +
               QStringLiteral(",\"source\":\"") + source + QStringLiteral("\"}\n");
    case MineFormat::Lines:
        break;
    }
    return oneLine(keyword) + QLatin1Char('\n');
}

} // namespace vantorix::cli
