#pragma once

#include <QString>

namespace vantorix::app {

enum class ExportEncoding { Utf8, Gbk };

// Writes the export text to `path` in one piece, replacing any file there.
// Returns an empty string, or why the file could not be written.
QString writeExportFile(const QString &path, const QString &text, ExportEncoding encoding);

} // namespace vantorix::app
