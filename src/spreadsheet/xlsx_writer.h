#pragma once

#include "common/result.h"
#include "spreadsheet/sheet.h"

namespace vantorix::spreadsheet {

// The most rows under the title row that one worksheet holds.
inline constexpr qsizetype kXlsxMaxRows = 1048575;

// Writes the sheet as an Excel workbook with one worksheet: a bold title row
// that stays in view (frozen) and carries a filter, columns as wide as their
// text (Chinese characters counted double), text cells as strings, which
// Excel never runs as formulas, and number columns as numbers. Rows are
// streamed to the file, so memory stays flat however long the sheet is.
Result<SheetWritten> writeXlsx(const QString &path, const Sheet &sheet,
                               const StopCheck &stopped = {});

} // namespace vantorix::spreadsheet
