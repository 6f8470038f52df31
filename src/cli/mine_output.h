#pragma once

#include <QString>

namespace vantorix::cli {

// How `mine` writes the keywords it accepts.
enum class MineFormat { Lines, Tsv, Json };

// "lines", "tsv" or "json".
bool parseMineFormat(const QString &name, MineFormat *out);

// One accepted keyword as one output line, newline included: the keyword
// alone, or keyword, generation and parent keyword as tab-separated fields
// (backslash, tab, CR and LF escaped) or as a JSON object.
QString mineRecord(MineFormat format, const QString &keyword, int generation,
                   const QString &parent);

} // namespace vantorix::cli
