#include "spreadsheet/xlsx_writer.h"

#include "list/output_file.h"
#include "spreadsheet/cell_text.h"

#include <QFile>
#include <QTemporaryFile>
#include <algorithm>
#include <xlsxwriter.h>

namespace vantorix::spreadsheet {

namespace {

constexpr double kMaxColumnWidth = 100;
constexpr double kPadding = 2;
constexpr double kFilterButton = 3;

Result<> libraryError(lxw_error error, qsizetype row = -1)
{
    const QString reason = QString::fromUtf8(lxw_strerror(error));
    if (row < 0)
        return failure(reason);
    return failure(QStringLiteral("row %1: %2").arg(row + 2).arg(reason));
}

// Writes the workbook to the file `fileName`, which the library opens itself.
Result<> writeWorkbook(const QByteArray &fileName, const Sheet &sheet)
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook *book = workbook_new_opt(fileName.constData(), &options);
    if (!book)
        return failure(QStringLiteral("cannot start a workbook"));
    lxw_worksheet *worksheet = workbook_add_worksheet(book, nullptr);
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);

    const int columns = int(sheet.columns.size());
    QList<double> widths(columns);
    Result<> result;
    for (int column = 0; column < columns && result; ++column) {
        const QString &title = sheet.columns[column].title;
        widths[column] = displayWidth(title) + kFilterButton;
        if (lxw_error e = worksheet_write_string(worksheet, 0, lxw_col_t(column),
                                                 title.toUtf8().constData(), bold))
            result = libraryError(e);
    }
    for (qsizetype row = 0; row < sheet.rowCount && result; ++row) {
        for (int column = 0; column < columns && result; ++column) {
            const QString text = sheet.cell(row, column);
            widths[column] = std::max(widths[column], displayWidth(text));
            const auto at = lxw_row_t(row + 1);
            lxw_error e = LXW_NO_ERROR;
            if (sheet.columns[column].kind == CellKind::Number)
                e = worksheet_write_number(worksheet, at, lxw_col_t(column), text.toDouble(),
                                           nullptr);
            else
                e = worksheet_write_string(worksheet, at, lxw_col_t(column),
                                           text.toUtf8().constData(), nullptr);
            if (e)
                result = libraryError(e, row);
        }
    }
    if (result) {
        worksheet_freeze_panes(worksheet, 1, 0);
        worksheet_autofilter(worksheet, 0, 0, lxw_row_t(sheet.rowCount),
                             lxw_col_t(std::max(columns - 1, 0)));
        for (int column = 0; column < columns; ++column)
            worksheet_set_column(worksheet, lxw_col_t(column), lxw_col_t(column),
                                 std::min(widths[column] + kPadding, kMaxColumnWidth), nullptr);
    }
    // Closing also frees the workbook, so it happens on every path.
    const lxw_error closed = workbook_close(book);
    if (result && closed)
        result = libraryError(closed);
    return result;
}

} // namespace

Result<> writeXlsx(const QString &path, const Sheet &sheet)
{
    if (sheet.rowCount > kXlsxMaxRows)
        return failure(QStringLiteral("a worksheet holds at most %1 rows, not %2")
                           .arg(kXlsxMaxRows)
                           .arg(sheet.rowCount));
    // The library writes a file by name; it is built in a temporary file and
    // then copied, so that the target is replaced whole, or written into when
    // it is no regular file.
    QTemporaryFile built;
    if (!built.open())
        return failure(built.errorString());
    built.close();
    if (Result<> written = writeWorkbook(QFile::encodeName(built.fileName()), sheet); !written)
        return written;
    if (!built.open())
        return failure(built.errorString());
    return list::writeOutputFile(path, [&built](QIODevice &device) -> Result<> {
        QByteArray block(1 << 20, Qt::Uninitialized);
        while (true) {
            const qint64 n = built.read(block.data(), block.size());
            if (n < 0)
                return failure(built.errorString());
            if (n == 0)
                return {};
            if (Result<> written = list::writeAll(device, QByteArrayView(block).first(n)); !written)
                return written;
        }
    });
}

} // namespace vantorix::spreadsheet
