#include "spreadsheet/xlsx_writer.h"

#include "list/output_file.h"
#include "spreadsheet/cell_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    return failure(
        QCoreApplication::translate("spreadsheet", "row %1: %2").arg(row + 2).arg(reason));
}

// Writes the workbook to the file `fileName`, which the library opens itself,
// with its own scratch files in the folder `scratch`.
Result<SheetWritten> writeWorkbook(const QByteArray &fileName, QByteArray scratch,
                                   const Sheet &sheet, const StopCheck &stopped)
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = scratch.data();
    lxw_workbook *book = workbook_new_opt(fileName.constData(), &options);
    if (!book)
        return failure(QCoreApplication::translate("spreadsheet", "cannot start a workbook"));
    lxw_worksheet *worksheet = workbook_add_worksheet(book, nullptr);
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);

    const int columns = int(sheet.columns.size());
    QList<double> widths(columns);
    SheetWritten written;
    Result<> result;
    for (int column = 0; column < columns && result; ++column) {
        const QString &title = sheet.columns[column].title;
        widths[column] = displayWidth(title) + kFilterButton;
        if (lxw_error e = worksheet_write_string(worksheet, 0, lxw_col_t(column),
                                                 title.toUtf8().constData(), bold))
            result = libraryError(e);
    }
    for (qsizetype row = 0; row < sheet.rowCount && result; ++row) {
        if (stopped && stopped()) {
            result = failure(QCoreApplication::translate("spreadsheet", "stopped"));
            break;
        }
        bool cut = false;
        for (int column = 0; column < columns && result; ++column) {
            const QString value = sheet.cell(row, column);
            const auto at = lxw_row_t(row + 1);
            lxw_error e = LXW_NO_ERROR;
            if (sheet.columns[column].kind == CellKind::Number) {
                widths[column] = std::max(widths[column], displayWidth(value));
                e = worksheet_write_number(worksheet, at, lxw_col_t(column), value.toDouble(),
                                           nullptr);
            } else {
                const CellText cell = textCell(value, SheetFormat::Xlsx);
                cut = cut || cell.cut;
                widths[column] = std::max(widths[column], displayWidth(cell.text));
                e = worksheet_write_string(worksheet, at, lxw_col_t(column),
                                           cell.text.toUtf8().constData(), nullptr);
            }
            if (e)
                result = libraryError(e, row);
        }
        if (cut)
            written.cellCut(row);
    }
    if (stopped && stopped()) {
        lxw_workbook_free(book); // no file is assembled for nothing
        return failure(QCoreApplication::translate("spreadsheet", "stopped"));
    }
    if (result) {
        worksheet_freeze_panes(worksheet, 1, 0);
        worksheet_autofilter(worksheet, 0, 0, lxw_row_t(sheet.rowCount),
                             lxw_col_t(std::max(columns - 1, 0)));
        for (int column = 0; column < columns; ++column)
            worksheet_set_column(worksheet, lxw_col_t(column), lxw_col_t(column),
                                 std::min(widths[column] + kPadding, kMaxColumnWidth), nullptr);
    }
    // Closing also frees the workbook, so it happens on every other path.
    const lxw_error closed = workbook_close(book);
    if (result && closed)
        result = libraryError(closed);
    if (!result)
        return failure(result.error());
    return written;
}

} // namespace

Result<SheetWritten> writeXlsx(const QString &path, const Sheet &sheet, const StopCheck &stopped)
{
    if (sheet.rowCount > kXlsxMaxRows)
        return failure(QCoreApplication::translate("spreadsheet",
                                                   "a worksheet holds at most %1 keywords, not %2")
                           .arg(kXlsxMaxRows)
                           .arg(sheet.rowCount));
    // The library writes a file by name, so the workbook is built in a
    // temporary file and then copied, and the target is replaced whole, or
    // written into when it is no regular file. That file and the library's
    // own scratch files live beside the target, on its disk, not in a
    // temporary folder that may be small or held in memory.
    const QFileInfo target(path);
    const QString beside =
        target.exists() && !target.isFile() ? QDir::tempPath() : target.absolutePath();
    QTemporaryFile built(QDir(beside).filePath(target.fileName() + QStringLiteral(".XXXXXX")));
    if (!built.open()) {
        // A folder that lets us write the target but create no file.
        built.setFileTemplate(QDir(QDir::tempPath()).filePath(QStringLiteral("vantorix.XXXXXX")));
        if (!built.open())
            return failure(built.errorString());
    }
    built.close();
    const Result<SheetWritten> written = writeWorkbook(
        QFile::encodeName(built.fileName()),
        QFile::encodeName(QFileInfo(built.fileName()).absolutePath()), sheet, stopped);
    if (!written)
        return written;
    if (!built.open())
        return failure(built.errorString());
    const Result<> copied = list::writeOutputFile(path, [&](QIODevice &device) -> Result<> {
        QByteArray block(1 << 20, Qt::Uninitialized);
        while (true) {
            if (stopped && stopped())
                return failure(QCoreApplication::translate("spreadsheet", "stopped"));
            const qint64 n = built.read(block.data(), block.size());
            if (n < 0)
                return failure(built.errorString());
            if (n == 0)
                return {};
            if (Result<> done = list::writeAll(device, QByteArrayView(block).first(n)); !done)
                return done;
        }
    });
    if (!copied)
        return failure(copied.error());
    return written;
}

} // namespace vantorix::spreadsheet
