#include "spreadsheet/sheet.h"

#include "spreadsheet/cell_text.h"
#include "spreadsheet/csv_writer.h"
#include "spreadsheet/xlsx_writer.h"

#include <QCoreApplication>

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

void SheetWritten::cellCut(qsizetype row)
{
    if (cutCells++ == 0)
        firstCutRow = row + 2;
}

QString SheetWritten::warning() const
{
    if (cutCells == 0)
        return {};
    if (cutCells == 1)
        return QCoreApplication::translate(
                   "spreadsheet", "row %1 held a cell longer than %2 characters, the most a "
                                  "spreadsheet cell holds; it was cut to that")
            .arg(firstCutRow)
            .arg(kMaxCellLength);
    return QCoreApplication::translate(
               "spreadsheet",
               "%1 cells were longer than %2 characters, the most a spreadsheet cell "
               "holds, and were cut to that; the first in row %3")
        .arg(cutCells)
        .arg(kMaxCellLength)
        .arg(firstCutRow);
}

Result<SheetWritten> writeSheet(const QString &path, const Sheet &sheet, SheetFormat format,
                                const StopCheck &stopped)
{
    return format == SheetFormat::Xlsx ? writeXlsx(path, sheet, stopped)
                                       : writeCsv(path, sheet, stopped);
}

} // namespace vantorix::spreadsheet
