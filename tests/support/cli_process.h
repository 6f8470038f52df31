#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <functional>

// One finished run of the real vantorix-cli binary.
struct CliResult
{
    int exitCode = -1; // -2 when it crashed
    bool crashed = true;
    QByteArray out;
    QByteArray err;
};

enum class CliInput { File, Pipe };

// Runs vantorix-cli with `args`, `input` on its standard input (from a real
// file, or written through a pipe), and waits for it to end. The wait runs
// this process's event loop, so servers the test started keep answering;
// `whileRunning` is called once the process has started. Standard output goes
// to `outputFile` when one is named.
CliResult runCli(const QStringList &args, const QByteArray &input = {},
                 CliInput how = CliInput::File,
                 const std::function<void(QProcess &)> &whileRunning = {},
                 const QString &outputFile = {});

// Writes `bytes` into a new file at `path`, for a test's input files.
bool writeFile(const QString &path, const QByteArray &bytes);
// A file's bytes; null when it cannot be read.
QByteArray readFile(const QString &path);
