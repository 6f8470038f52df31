#pragma once

#include <QString>

namespace vantorix::config {

// Writes `text` (help, a version) to standard output. Returns the exit code:
// 0, or 1 after saying on standard error that it could not be written (a full
// device, a closed pipe).
int printText(const QString &program, const QString &text);

// "PROGRAM: MESSAGE" as a line on standard error; returns `exitCode`.
int printError(const QString &program, const QString &message, int exitCode);

} // namespace vantorix::config
