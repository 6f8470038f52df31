#pragma once

#include "common/result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace vantorix::spreadsheet {

enum class CellKind { Text, Number };

struct Column
{
    QString title;
    CellKind kind = CellKind::Text;
};

// A table to write: titled columns, and cells produced row by row on demand,
// so that a million keywords are not copied once more to be written.
struct Sheet
{
    QList<Column> columns;
    qsizetype rowCount = 0;
    std::function<QString(qsizetype row, int column)> cell;
};

// One column of keywords under the title "关键词".
Sheet keywordSheet(const QList<QStringView> &keywords);

enum class SheetFormat { Xlsx, Csv };

// "xlsx" or "csv", any letter case.
std::optional<SheetFormat> parseSheetFormat(const QString &name);

// Where a written sheet differs from what it was given: text cells cut to
// the most a cell holds.
struct SheetWritten
{
    qsizetype cutCells = 0;
    qsizetype firstCutRow = 0; // as a spreadsheet numbers it: the title row is 1

    void cellCut(qsizetype row);
    // One line that names the first row cut; empty when none was.
    QString warning() const;
};

// Asked between rows: true ends the writing, the target left as it was.
using StopCheck = std::function<bool()>;

// Writes the sheet to `path` in the format; the error is why it could not.
// Temporary files live beside `path` and are gone when this returns.
Result<SheetWritten> writeSheet(const QString &path, const Sheet &sheet, SheetFormat format,
                                const StopCheck &stopped = {});

} // namespace vantorix::spreadsheet
