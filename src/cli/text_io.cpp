#include "cli/text_io.h"

#include "config/bound_option.h"
#include "list/encoding_check.h"

#include <QCoreApplication>
#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace vantorix::cli {

Result<TextEncoding> parseEncoding(const QString &name)
{
    const QString key = name.toLower();
    if (key == QLatin1String("utf-8") || key == QLatin1String("utf8"))
        return TextEncoding::Utf8;
    if (key == QLatin1String("gbk") || key == QLatin1String("gb18030"))
        return TextEncoding::Gbk;
    return failure(config::notOneOf(name, {QStringLiteral("utf-8"), QStringLiteral("gbk")}));
}

void useBinaryStandardStreams()
{
#ifdef Q_OS_WIN
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

Result<InputEncoding> StandardInput::read(std::optional<TextEncoding> chosen)
{
    if (!m_file.open(0, QIODevice::ReadOnly))
        return failure(QCoreApplication::translate("cli", "cannot read standard input: ") +
                       m_file.errorString());
    QByteArrayView raw;
    const qint64 size = m_file.isSequential() ? 0 : m_file.size();
    if (const uchar *mapped = size > 0 ? m_file.map(0, size) : nullptr) {
        raw = QByteArrayView(reinterpret_cast<const char *>(mapped), size);
    } else {
        m_bytes = m_file.readAll();
        if (m_file.error() != QFileDevice::NoError)
            return failure(QCoreApplication::translate("cli", "cannot read standard input: ") +
                           m_file.errorString());
        raw = m_bytes;
    }
    InputEncoding read{chosen.value_or(TextEncoding::Utf8)};
    if (!chosen && raw.startsWith("\xEF\xBB\xBF"))
        chosen = TextEncoding::Utf8;
    if (!chosen) {
        read.firstMalformed = list::firstMalformedUtf8(raw);
        if (read.firstMalformed >= 0 && list::isWholeGb18030(raw))
            read = {TextEncoding::Gbk, true};
    }
    if (read.encoding == TextEncoding::Utf8) {
        if (raw.startsWith("\xEF\xBB\xBF"))
            raw = raw.sliced(3);
        m_utf8 = raw;
        return read;
    }
    QStringDecoder decoder(list::kGbkCodec);
    const QString text = decoder.decode(raw);
    // Malformed GBK decodes silently to stand-in characters; refuse it rather
    // than write back bytes the user never had.
    if (decoder.hasError() || QByteArrayView(list::encodeText(text, TextEncoding::Gbk)) != raw)
        return failure(QCoreApplication::translate("cli", "standard input is not valid GBK text"));
    m_bytes = text.toUtf8();
    m_utf8 = m_bytes;
    return read;
}

OutputStream::OutputStream(int descriptor, TextEncoding encoding, qsizetype chunkSize)
    : m_encoding(encoding), m_fromUtf8(QStringDecoder::Utf8), m_toGbk(list::kGbkCodec),
      m_sink([this](QByteArrayView utf8) { return deliver(utf8); }, chunkSize)
{
    m_file.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered);
}

OutputStream::~OutputStream()
{
    flush();
}

void OutputStream::write(const QString &text)
{
    m_sink.write(text.toUtf8());
}

bool OutputStream::flush()
{
    return m_sink.flush();
}

bool OutputStream::deliver(QByteArrayView utf8)
{
    if (!m_file.isOpen())
        return false;
    if (m_encoding == TextEncoding::Utf8)
        return m_file.write(utf8.data(), utf8.size()) == utf8.size();
    // The decoder keeps a character split between two chunks.
    const QByteArray gbk = m_toGbk.encode(m_fromUtf8.decode(utf8));
    return m_file.write(gbk) == gbk.size();
}

} // namespace vantorix::cli
