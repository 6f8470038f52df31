#pragma once

#include "config/settings.h"

#include <QString>

namespace vantorix::hotwords {

// Where a hot-word fetch leaves its words: the configured file, else
// "d:\1.txt" on Windows, else 1.txt in the user's data folder for Vantorix.
QString dumpFilePath(const config::Settings &settings);

// Overwrites the dump file with the word list and one more CRLF, as GB18030,
// creating its folder when needed. Returns why it failed, or an empty string.
QString writeDumpFile(const QString &wordList, const config::Settings &settings);

} // namespace vantorix::hotwords
