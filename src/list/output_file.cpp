#include "list/output_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vantorix::list {

Result<> writeOutputFile(const QString &path, const std::function<Result<>(QIODevice &)> &write)
{
    const QFileInfo info(path);
    if (info.isDir())
        return failure(QStringLiteral("it is a folder"));
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
