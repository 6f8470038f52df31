#include "cli/mine/output.h"

#include "common/message_text.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace vantorix::cli {

QString oneLine(const QString &text)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return QString(text).replace(lineBreak, QStringLiteral(" "));
}

QString counted(qsizetype count, const char *one, const char *many)
{
    return QString::number(count) + QLatin1Char(' ') +
           QCoreApplication::translate("mine", count == 1 ? one : many);
}

QString quoted(const QString &keyword)
{
    return QLatin1Char('\'') + oneLine(clipped(keyword)) + QLatin1Char('\'');
}

QString mineRecord(RecordFormat format, const QString &keyword, int generation,
                   const QString &parent, const QString &source, const QString &engine)
{
    switch (format) {
    case RecordFormat::Tsv:
        return tsvField(keyword) + QLatin1Char('\t') + QString::number(generation) +
               QLatin1Char('\t') + tsvField(parent) + QLatin1Char('\t') + source +
               (engine.isEmpty() ? QString() : QLatin1Char('\t') + engine) + QLatin1Char('\n');
    case RecordFormat::Json:
        return QStringLiteral("{\"keyword\":") + jsonString(keyword) +
               QStringLiteral(",\"generation\":") + QString::number(generation) +
               QStringLiteral(",\"parent\":") + jsonString(parent) +
               QStringLiteral(",\"source\":\"") + source +
               (engine.isEmpty() ? QString() : QStringLiteral("\",\"engine\":\"") + engine) +
               QStringLiteral("\"}\n");
    case RecordFormat::Lines:
        break;
    }
    return oneLine(keyword) + QLatin1Char('\n');
}

} // namespace vantorix::cli
