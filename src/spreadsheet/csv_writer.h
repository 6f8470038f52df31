#pragma once

#include "common/result.h"
#include "spreadsheet/sheet.h"

namespace vantorix::spreadsheet {

// Writes the sheet as CSV that a spreadsheet opens without mojibake: UTF-8
// with a byte order mark, the title row first, fields quoted as RFC 4180 asks
// and records ended by CRLF. A CSV cell cannot say "text", so a text cell that
// begins like a formula gets one leading apostrophe (shown, never run); so
// does one that begins with an apostrophe, which keeps the rule reversible:
// drop the first apostrophe of a cell that begins with one to read it back.
Result<SheetWritten> writeCsv(const QString &path, const Sheet &sheet,
                              const StopCheck &stopped = {});

} // namespace vantorix::spreadsheet
