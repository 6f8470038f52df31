#pragma once

#include "cli/record_format.h"

#include <QString>

namespace vantorix::cli {

// The text with each line break inside it (CRLF, CR or LF) as one space, so
// that a keyword holding one still takes exactly one line.
QString oneLine(const QString &text);

// "1 keyword", "3 keywords": a count and its noun, both marked with
// QT_TRANSLATE_NOOP("mine", ...).
QString counted(qsizetype count, const char *one, const char *many);

// A keyword as every message on standard error quotes it: on one line, cut
// to about 200 characters, in single quotes.
QString quoted(const QString &keyword);

// One accepted keyword as one output line, newline included: the keyword
// alone (as oneLine() gives it), or keyword, generation, parent (the query
// that found it) and source ("related" or "suggest") as tab-separated fields
// or as a JSON object, with the engine that found it last when `engine` is given.
QString mineRecord(RecordFormat format, const QString &keyword, int generation,
                   const QString &parent, const QString &source, const QString &engine = {});

} // namespace vantorix::cli
