#pragma once

#include <QStringView>

namespace vantorix::spreadsheet {

// A cell a spreadsheet would run as a formula when opened: one that begins
// with '=', '+', '-' or '@'.
bool startsLikeFormula(QStringView text);

// The width of a text in a spreadsheet's column unit (the width of a digit):
// a Chinese character, and any other wide or full-width one, takes about two.
double displayWidth(QStringView text);

} // namespace vantorix::spreadsheet
