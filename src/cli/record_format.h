#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace vantorix::cli {

// How a command writes its records: plain lines, tab-separated fields, or a
// JSON object a line.
enum class RecordFormat { Lines, Tsv, Json };

// "lines", "tsv" or "json".
std::optional<RecordFormat> parseRecordFormat(const QString &name);
QStringList recordFormatNames();

// A tab-separated field: backslash, tab, CR and LF escaped as \\ \t \r \n.
QString tsvField(QStringView text);
// The text tsvField() escaped; nullopt for an escape it never writes.
std::optional<QString> tsvFieldText(QStringView field);
// A JSON string, quotes included.
QString jsonString(QStringView text);

} // namespace vantorix::cli
