#include "cli_process.h"

#include <QSignalSpy>
#include <QTemporaryFile>

CliResult runCli(const QStringList &args, const QByteArray &input, CliInput how,
                 const std::function<void(QProcess &)> &whileRunning, const QString &outputFile)
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    QTemporaryFile file;
    if (how == CliInput::File) {
        if (!file.open() || file.write(input) != input.size() || !file.flush())
            return {};
        process.setStandardInputFile(file.fileName());
    }
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(QStringLiteral(VANTORIX_CLI_PATH), args);
    if (!process.waitForStarted(30000))
        return {};
    if (how == CliInput::Pipe) {
        process.write(input);
        process.closeWriteChannel();
    }
    if (whileRunning)
        whileRunning(process);
    if (finished.isEmpty() && !finished.wait(600000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    CliResult result;
    result.crashed = process.exitStatus() != QProcess::NormalExit;
    result.exitCode = result.crashed ? -2 : process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}
