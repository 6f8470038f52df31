#pragma once

#include <QString>
#include <optional>

namespace vantorix::list {

enum class ExportSeparator { Newline, Comma, Bar };

// Every CRLF of the list replaced by the chosen separator; lone CR or LF stay.
QString exportText(const QString &listText, ExportSeparator separator);

// Command-line spelling: "newline", "comma", "bar".
std::optional<ExportSeparator> parseExportSeparator(const QString &name);

} // namespace vantorix::list
