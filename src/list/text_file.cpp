#include "list/text_file.h"

#include "list/output_file.h"

#include <QCoreApplication>
#include <QStringEncoder>

namespace vantorix::list {

QByteArray encodeText(const QString &text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return text.toUtf8();
    QStringEncoder encoder(kGbkCodec);
    return encoder.encode(text);
}

Result<> writeTextFile(const QString &path, const QString &text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Gbk && !QStringEncoder(kGbkCodec).isValid())
        return failure(QCoreApplication::translate("list", "GBK encoding is not available"));
    const QByteArray bytes = encodeText(text, encoding);
    return writeOutputFile(path, [&bytes](QIODevice &file) { return writeAll(file, bytes); });
}

} // namespace vantorix::list
