#include "common/input_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace vantorix {

namespace {

QString sizeText(qint64 bytes)
{
    if (bytes >= (qint64(1) << 30) && bytes % (qint64(1) << 30) == 0)
        return QCoreApplication::translate("files", "%1 GB").arg(bytes >> 30);
    if (bytes >= (qint64(1) << 20) && bytes % (qint64(1) << 20) == 0)
        return QCoreApplication::translate("files", "%1 MB").arg(bytes >> 20);
    return QCoreApplication::translate("files", "%1 bytes").arg(bytes);
}

} // namespace

Result<QByteArray> readInputFile(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        return failure(QCoreApplication::translate("files", "it is a folder"));
    if (info.exists() && !info.isFile())
        return failure(QCoreApplication::translate(
            "files", "not a regular file (a pipe or a device is not read)"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(file.errorString());
    const QString tooLarge = QCoreApplication::translate("files", "larger than %1, the most read")
                                 .arg(sizeText(maxBytes));
    if (file.size() > maxBytes)
        return failure(tooLarge);
    QByteArray bytes;
    bytes.reserve(file.size());
    // Read to the end, not to the size seen at first: a file that grows
    // meanwhile is bounded too.
    while (true) {
        const QByteArray chunk = file.read(std::min<qint64>(1 << 20, maxBytes + 1 - bytes.size()));
        if (file.error() != QFileDevice::NoError)
            return failure(file.errorString());
        if (chunk.isEmpty())
            return bytes;
        bytes += chunk;
        if (bytes.size() > maxBytes)
            return failure(tooLarge);
    }
}

} // namespace vantorix
