#pragma once

#include "common/result.h"
#include "list/byte_sink.h"
#include "list/text_file.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

namespace vantorix::cli {

// The encoding of standard input and output (--encoding).
using list::TextEncoding;

// "utf-8"/"utf8" or "gbk"/"gb18030", any letter case.
Result<TextEncoding> parseEncoding(const QString &name);

// Puts the standard streams in binary mode where the platform translates
// line ends, so CRLF and LF reach the caller exactly.
void useBinaryStandardStreams();

// How standard input was read.
struct InputEncoding
{
    TextEncoding encoding = TextEncoding::Utf8;
    bool guessed = false;          // GB18030 taken for input that is not UTF-8
    qsizetype firstMalformed = -1; // UTF-8 input: the first byte that is not UTF-8
};

// All of standard input, as UTF-8. A file is mapped rather than copied.
// GBK input is converted; UTF-8 input is taken byte for byte (malformed
// sequences pass through untouched) after dropping a leading byte order mark.
class StandardInput
{
public:
    StandardInput() = default;
    StandardInput(const StandardInput &) = delete;
    StandardInput &operator=(const StandardInput &) = delete;

    // Reads in the chosen encoding, or with none chosen as UTF-8, unless the
    // bytes are not UTF-8 but GB18030 through and through. Fails when the
    // input cannot be read or is not text in the chosen encoding.
    Result<InputEncoding> read(std::optional<TextEncoding> chosen);

    QByteArrayView utf8() const { return m_utf8; }

private:
    QFile m_file;
    QByteArray m_bytes;
    QByteArrayView m_utf8;
};

// A standard output stream writing text in the chosen encoding, in large
// chunks. Tools that produce UTF-8 write it through utf8Sink().
class OutputStream
{
public:
    // `descriptor` is 1 for standard output, 2 for standard error.
    OutputStream(int descriptor, TextEncoding encoding, qsizetype chunkSize);
    ~OutputStream();
    OutputStream(const OutputStream &) = delete;
    OutputStream &operator=(const OutputStream &) = delete;

    void write(const QString &text);
    list::ByteSink &utf8Sink() { return m_sink; }
    // Before anything is written: the input turned out to be in `encoding`.
    void setEncoding(TextEncoding encoding) { m_encoding = encoding; }

    // Writes out what is buffered; false once anything could not be written.
    bool flush();
    // A write failed because nobody reads the stream any more (a closed pipe).
    bool readerGone() const { return m_readerGone; }

private:
    bool deliver(QByteArrayView utf8);

    QFile m_file;
    TextEncoding m_encoding;
    QStringDecoder m_fromUtf8;
    QStringEncoder m_toGbk;
    list::ByteSink m_sink;
    bool m_readerGone = false;
};

// The status of a command whose standard output lost its reader: it ends
// quietly, as a Unix tool killed by SIGPIPE does (128 + 13).
inline constexpr int kReaderGoneStatus = 141;

} // namespace vantorix::cli
