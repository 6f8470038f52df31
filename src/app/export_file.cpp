#include "app/export_file.h"

#include <QSaveFile>
#include <QStringEncoder>

namespace vantorix::app {

Result<> writeExportFile(const QString &path, const QString &text, ExportEncoding encoding)
{
    QByteArray bytes;
    if (encoding == ExportEncoding::Gbk) {
        // GB18030 is the superset of GBK that can write every character.
        QStringEncoder encoder("GB18030");
        if (!encoder.isValid())
            return failure(QStringLiteral("GBK encoding is not available"));
        bytes = encoder.encode(text);
    } else {
        bytes = text.toUtf8();
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return failure(file.errorString());
    return {};
}

} // namespace vantorix::app
