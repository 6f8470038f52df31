#include "config/standard_output.h"

#include <QFile>

namespace vantorix::config {

namespace {

bool writeTo(int descriptor, const QString &text)
{
    QFile file;
    const QByteArray bytes = text.toUtf8();
    return file.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           file.write(bytes) == bytes.size();
}

} // namespace

int printText(const QString &program, const QString &text)
{
    if (writeTo(1, text))
        return 0;
    writeTo(2, program + QStringLiteral(": cannot write to standard output\n"));
    return 1;
}

int printError(const QString &program, const QString &message, int exitCode)
{
    writeTo(2, program + QStringLiteral(": ") + message + QLatin1Char('\n'));
    return exitCode;
}

} // namespace vantorix::config
