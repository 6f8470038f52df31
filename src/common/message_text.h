#pragma once

#include <QString>

namespace vantorix {

// About as many characters of a text as a message line should quote.
inline constexpr qsizetype kQuotedLength = 200;

// The text as a message quotes it: cut after kQuotedLength characters (never
// inside a surrogate pair) and marked with "…", so that a keyword of a
// hundred thousand characters does not make a line of as many.
QString clipped(const QString &text);

} // namespace vantorix
