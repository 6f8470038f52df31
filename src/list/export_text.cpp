#include "list/export_text.h"

#include "list/keyword_list.h"

namespace vantorix::list {

QString exportText(const QString &listText, ExportSeparator separator)
{
    switch (separator) {
    case ExportSeparator::Comma:
        return QString(listText).replace(kSeparator, QStringLiteral(","));
    case ExportSeparator::Bar:
        return QString(listText).replace(kSeparator, QStringLiteral("|"));
    case ExportSeparator::Newline:
        break;
    }
    return listText;
}

std::optional<ExportSeparator> parseExportSeparator(const QString &name)
{
    if (name == QLatin1String("newline"))
        return ExportSeparator::Newline;
    if (name == QLatin1String("comma"))
        return ExportSeparator::Comma;
    if (name == QLatin1String("bar"))
        return ExportSeparator::Bar;
    return std::nullopt;
}

} // namespace vantorix::list
