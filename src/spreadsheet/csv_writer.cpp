#include "spreadsheet/csv_writer.h"

#include "list/output_file.h"
#include "spreadsheet/cell_text.h"

#include <QCoreApplication>

namespace vantorix::spreadsheet {

namespace {

constexpr qsizetype kChunk = 1 << 20;

bool needsQuotes(QStringView text)
{
    for (const QChar c : text) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n')
            return true;
    }
    return false;
}

// Appends the field; false when its text was cut.
bool appendField(QByteArray &out, const QString &value, CellKind kind)
{
    const CellText cell =
        kind == CellKind::Text ? textCell(value, SheetFormat::Csv) : CellText{value};
    QByteArray utf8 = cell.text.toUtf8();
    if (needsQuotes(cell.text))
        out += '"' + utf8.replace('"', QByteArrayView("\"\"")) + '"';
    else
        out += utf8;
    return !cell.cut;
}

} // namespace

Result<SheetWritten> writeCsv(const QString &path, const Sheet &sheet, const StopCheck &stopped)
{
    SheetWritten outcome;
    const Result<> result = list::writeOutputFile(path, [&](QIODevice &device) -> Result<> {
        QByteArray chunk("\xEF\xBB\xBF");
        chunk.reserve(kChunk + 4096);
        const auto record = [&](auto cellText) {
            bool whole = true;
            for (int column = 0; column < sheet.columns.size(); ++column) {
                if (column > 0)
                    chunk += ',';
                whole = appendField(chunk, cellText(column), sheet.columns[column].kind) && whole;
            }
            chunk += "\r\n";
            return whole;
        };
        record([&](int column) { return sheet.columns[column].title; });
        for (qsizetype row = 0; row < sheet.rowCount; ++row) {
            if (stopped && stopped())
                return failure(QCoreApplication::translate("spreadsheet", "stopped"));
            if (!record([&](int column) { return sheet.cell(row, column); }))
                outcome.cellCut(row);
            if (chunk.size() >= kChunk) {
                if (Result<> written = list::writeAll(device, chunk); !written)
                    return written;
                chunk.truncate(0); // keeps the buffer
            }
        }
        return list::writeAll(device, chunk);
    });
    if (!result)
        return failure(result.error());
    return outcome;
}

} // namespace vantorix::spreadsheet
