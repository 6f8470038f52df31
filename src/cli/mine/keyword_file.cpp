#include "cli/mine/keyword_file.h"

#include <QCoreApplication>

namespace vantorix::cli {

KeywordFile::KeywordFile(const QString &path, TextEncoding encoding)
    : m_file(path), m_encoding(encoding), m_toGbk("GB18030")
{
}

Result<std::unique_ptr<KeywordFile>> KeywordFile::open(const QString &path, qint64 keep,
                                                       TextEncoding encoding)
{
    std::unique_ptr<KeywordFile> file(new KeywordFile(path, encoding));
    QFile &out = file->m_file;
    if (!out.open(QIODevice::ReadWrite))
        return failure(QStringLiteral("--output %1: %2").arg(path, out.errorString()));
    if (out.isSequential()) // a device or a pipe: written into, never cut
        return file;
    const qint64 size = out.size();
    if (keep > size)
        return failure(QCoreApplication::translate(
                           "mine", "--output %1 holds %2 bytes, fewer than the %3 the run "
                                   "wrote there; it was changed since")
                           .arg(path)
                           .arg(size)
                           .arg(keep));
    file->m_length = std::max<qint64>(keep, 0);
    if (!out.resize(file->m_length) || !out.seek(file->m_length))
        return failure(QStringLiteral("--output %1: %2").arg(path, out.errorString()));
    return file;
}

bool KeywordFile::write(const QString &text)
{
    const QByteArray bytes =
        m_encoding == TextEncoding::Gbk ? QByteArray(m_toGbk.encode(text)) : text.toUtf8();
    if (m_file.write(bytes) != bytes.size() || !m_file.flush())
        return false;
    m_length += bytes.size();
    return true;
}

} // namespace vantorix::cli
