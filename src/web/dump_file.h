#pragma once

#include "common/result.h"
#include "config/settings.h"

#include <QString>

namespace vantorix::web {

// Where a hot-word fetch leaves its words: the configured file, else
// "d:\1.txt" on Windows, else 1.txt in the user's data folder for Vantorix.
QString dumpFilePath(const config::Settings &settings);

// Overwrites the dump file with the word list and one more CRLF, as GB18030.
// A regular file, or a new one, is replaced atomically; a device or a pipe is
// written into, never replaced. The default file's folder is created when
// missing; a chosen file's folder must exist.
Result<> writeDumpFile(const QString &wordList, const config::Settings &settings);

} // namespace vantorix::web
