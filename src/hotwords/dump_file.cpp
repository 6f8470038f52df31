#include "hotwords/dump_file.h"

#include "list/keyword_list.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringEncoder>

namespace vantorix::hotwords {

namespace {

Error cannotWrite(const QString &path, const QString &why)
{
    return failure(QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), why));
}

Result<> replaceFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // A folder we may not create files in still lets us rewrite the file.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(path, file.errorString());
    file.write(bytes);
    if (!file.commit())
        return cannotWrite(path, file.errorString());
    return {};
}

// A device or a pipe: renaming a file over it would destroy it.
Result<> writeInto(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return cannotWrite(path, file.errorString());
    if (file.write(bytes) != bytes.size())
        return cannotWrite(path, file.errorString());
    return {};
}

} // namespace

QString dumpFilePath(const config::Settings &settings)
{
    if (!settings.dumpFile.isEmpty())
        return settings.dumpFile;
#ifdef Q_OS_WIN
    return QStringLiteral("d:\\1.txt");
#else
    // One folder for the window and the command line alike, whatever each
    // program calls itself.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data + QStringLiteral("/Vantorix/1.txt");
#endif
}

Result<> writeDumpFile(const QString &wordList, const config::Settings &settings)
{
    const QString path = dumpFilePath(settings);
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (settings.dumpFile.isEmpty()) {
        if (!QDir().mkpath(folder))
            return cannotWrite(path, QStringLiteral("cannot create its folder"));
    } else if (!QFileInfo(folder).isDir()) {
        return cannotWrite(path,
                           QStringLiteral("no folder %1").arg(QDir::toNativeSeparators(folder)));
    }
    if (info.isDir())
        return cannotWrite(path, QStringLiteral("it is a folder"));
    QStringEncoder encoder("GB18030");
    const QByteArray bytes = encoder.encode(wordList + list::kSeparator);
    if (!info.exists() || info.isFile())
        return replaceFile(path, bytes);
    return writeInto(path, bytes);
}

} // namespace vantorix::hotwords
