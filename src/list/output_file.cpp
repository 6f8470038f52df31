#include "list/output_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace vantorix::list {

Result<> checkOutputFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return failure(QCoreApplication::translate("files", "it is a folder"));
    if (info.exists() && !info.isFile()) {
        if (info.isWritable())
            return {};
        return failure(QCoreApplication::translate("files", "it cannot be written"));
    }
    const QDir folder = info.absoluteDir();
    if (!folder.exists())
        return failure(QCoreApplication::translate("files", "there is no folder %1")
                           .arg(QDir::toNativeSeparators(folder.path())));
    // The file is replaced through a new one beside it, as a probe is made.
    QTemporaryFile probe(folder.filePath(info.fileName() + QStringLiteral(".XXXXXX")));
    if (probe.open() || (info.exists() && info.isWritable()))
        return {};
    return failure(probe.errorString());
}

Result<> writeOutputFile(const QString &path, const std::function<Result<>(QIODevice &)> &write)
{
    const QFileInfo info(path);
    if (info.isDir())
        return failure(QCoreApplication::translate("files", "it is a folder"));
    if (info.exists() && !info.isFile()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return failure(file.errorString());
        if (Result<> written = write(file); !written)
            return written;
        if (!file.flush())
            return failure(file.errorString());
        return {};
    }
    QSaveFile file(path);
    // A folder we may not create files in still lets us rewrite the file.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return failure(file.errorString());
    if (Result<> written = write(file); !written) {
        file.cancelWriting();
        return written;
    }
    if (!file.commit())
        return failure(file.errorString());
    return {};
}

Result<> writeAll(QIODevice &device, QByteArrayView bytes)
{
    if (device.write(bytes.data(), bytes.size()) != bytes.size())
        return failure(device.errorString());
    return {};
}

} // namespace vantorix::list
