#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// One finished run of the real vantorix-cli binary.
struct CliResult
{
    int exitCode = -1;
    bool crashed = true;
    QByteArray out;
    QByteArray err;
};

enum class CliInput { File, Pipe };

// Runs vantorix-cli with `args`, `input` on its standard input (from a real
// file, or written through a pipe), and waits for it to end.
CliResult runCli(const QStringList &args, const QByteArray &input = {},
                 CliInput how = CliInput::File);
