#pragma once

#include "spreadsheet/sheet.h"

#include <QStringView>

namespace vantorix::spreadsheet {

// The most characters (UTF-16 code units) a spreadsheet cell holds.
inline constexpr qsizetype kMaxCellLength = 32767;

// A cell a spreadsheet would run as a formula when opened: one that begins
// with '=', '+', '-' or '@', or with a tab or a carriage return, which some
// spreadsheets pass over before a formula.
bool startsLikeFormula(QStringView text);

// A text cell as it is written, at most kMaxCellLength characters long.
struct CellText
{
    QString text;
    bool cut = false; // the text was longer and lost its end
};

// The text of a cell as `format` writes it. CSV: a formula-like text, or one
// that begins with an apostrophe, gets one leading apostrophe. XLSX: what an
// XML file cannot hold (NUL, U+FFFE, U+FFFF, a lone surrogate) is written as
// an _xHHHH_ escape, and so is the underscore of a text that reads like one
// (_x005F_), so that two texts never make one cell; the other control
// characters are left to libxlsxwriter, which escapes them the same way. A
// longer result is cut, never inside a character or an escape.
CellText textCell(QStringView value, SheetFormat format);

// The width of a text in a spreadsheet's column unit (the width of a digit):
// a Chinese character, and any other wide or full-width one, takes about two.
double displayWidth(QStringView text);

} // namespace vantorix::spreadsheet
