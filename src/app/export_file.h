#pragma once

#include "common/result.h"

#include <QString>

namespace vantorix::app {

enum class ExportEncoding { Utf8, Gbk };

// Writes the export text to `path` in one piece, replacing any file there.
Result<> writeExportFile(const QString &path, const QString &text, ExportEncoding encoding);

} // namespace vantorix::app
