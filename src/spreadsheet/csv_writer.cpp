#include "spreadsheet/csv_writer.h"

#include "list/output_file.h"
#include "spreadsheet/cell_text.h"

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

void appendField(QByteArray &out, const QString &text, CellKind kind)
{
    const bool quoted = needsQuotes(text);
    if (quoted)
        out += '"';
    if (kind == CellKind::Text && (startsLikeFormula(text) || text.startsWith(u'\'')))
        out += '\'';
    if (quoted)
        out += text.toUtf8().replace('"', QByteArrayView("\"\""));
    else
        out += text.toUtf8();
    if (quoted)
        out += '"';
}

} // namespace

Result<> writeCsv(const QString &path, const Sheet &sheet)
{
    return list::writeOutputFile(path, [&sheet](QIODevice &device) -> Result<> {
        QByteArray chunk("\xEF\xBB\xBF");
        chunk.reserve(kChunk + 4096);
        const auto record = [&](auto cellText) {
            for (int column = 0; column < sheet.columns.size(); ++column) {
                if (column > 0)
                    chunk += ',';
                appendField(chunk, cellText(column), sheet.columns[column].kind);
            }
            chunk += "\r\n";
        };
        record([&](int column) { return sheet.columns[column].title; });
        for (qsizetype row = 0; row < sheet.rowCount; ++row) {
            record([&](int column) { return sheet.cell(row, column); });
            if (chunk.size() >= kChunk) {
                if (Result<> written = list::writeAll(device, chunk); !written)
                    return written;
                chunk.truncate(0); // keeps the buffer
            }
        }
        return list::writeAll(device, chunk);
    });
}

} // namespace vantorix::spreadsheet
