#include "app/export_file.h"

#include "list/output_file.h"

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

    // A regular file is replaced whole; a device or a pipe is written into.
    return list::writeOutputFile(path,
                                 [&bytes](QIODevice &file) { return list::writeAll(file, bytes); });
}

} // namespace vantorix::app
