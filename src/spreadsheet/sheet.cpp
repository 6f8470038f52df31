#include "spreadsheet/sheet.h"

#include "spreadsheet/csv_writer.h"
#include "spreadsheet/xlsx_writer.h"

namespace vantorix::spreadsheet {

Sheet keywordSheet(const QList<QStringView> &keywords)
{
    return {{{QStringLiteral("关键词")}}, keywords.size(), [&keywords](qsizetype row, int) {
                return keywords.at(row).toString();
            }};
}

std::optional<SheetFormat> parseSheetFormat(const QString &name)
{
    if (name.compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0)
        return SheetFormat::Xlsx;
    if (name.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return SheetFormat::Csv;
    return std::nullopt;
}

Result<> writeSheet(const QString &path, const Sheet &sheet, SheetFormat format)
{
    return format == SheetFormat::Xlsx ? writeXlsx(path, sheet) : writeCsv(path, sheet);
}

} // namespace vantorix::spreadsheet
