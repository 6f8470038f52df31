#pragma once

#include <QString>

namespace vantorix::config {

// Writes `text` (help, a version) to standard output. Returns the exit code:
// 0, or 1 after saying on standard error that it could not be written (a full
// device, a closed pipe).
int printText(const QString &program, const QString &text);

// "PROGRAM: MESSAGE" and a line break: the one format of every error line.
QString errorLine(const QString &program, const QString &message);
// A usage error's message with the pointer to the help: "MESSAGE; see 'PROGRAM --help'".
QString withHelpHint(const QString &program, const QString &message);

// The error line on standard error (UTF-8); returns `exitCode`.
int printError(const QString &program, const QString &message, int exitCode);

} // namespace vantorix::config
