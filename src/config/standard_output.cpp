#include "config/standard_output.h"

#include <QCoreApplication>
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
    writeTo(2, errorLine(program,
                         QCoreApplication::translate("cli", "cannot write to standard output")));
    return 1;
}

QString errorLine(const QString &program, const QString &message)
{
    return program + QStringLiteral(": ") + message + QLatin1Char('\n');
}

QString withHelpHint(const QString &program, const QString &message)
{
    return message + QCoreApplication::translate("cli", "; see '%1 --help'").arg(program);
}

int printError(const QString &program, const QString &message, int exitCode)
{
    writeTo(2, errorLine(program, message));
    return exitCode;
}

} // namespace vantorix::config
