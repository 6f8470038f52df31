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

bool parseExportSeparator(const QString &name, ExportSeparator *out)
{
    if (name == QLatin1String("newline"))
        *out = ExportSeparator::Newline;
    else if (name == QLatin1String("comma"))
        *out = ExportSeparator::Comma;
    else if (name == QLatin1String("bar"))
        *out = ExportSeparator::Bar;
    else
        return false;
    return true;
}

} // namespace vantorix::list
