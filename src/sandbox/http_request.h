#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QUrl>
#include <optional>
#include <utility>

namespace vantorix::sandbox {

// One HTTP/1.x request as the sandbox's clients send it: its body, if any,
// is skipped.
struct HttpRequest
{
    QByteArray method;
    QByteArray target; // path and query, as sent
    QByteArray version;
    QList<std::pair<QByteArray, QByteArray>> headers;
    QHostAddress remoteAddress;

    // The first value of a header, whatever the case of its name; empty when absent.
    QByteArray header(QByteArrayView name) const;
    QUrl url() const { return QUrl::fromEncoded(target); }
    // Whether the client wants the connection kept for another request.
    bool keepAlive() const;
};

// Cuts the bytes of a connection into requests, in order. A head larger than
// the cap or not well formed ends the stream: nothing after it can be framed.
class HttpRequestReader
{
public:
    enum class Error { None, Malformed, TooLarge };
    static constexpr qsizetype kMaxHeadBytes = 64 * 1024;

    void append(const QByteArray &bytes);
    // The next whole request, if one has come.
    std::optional<HttpRequest> next();
    Error error() const { return m_error; }

private:
    std::optional<HttpRequest> fail(Error error);

    QByteArray m_buffer;
    qint64 m_bodyLeft = 0; // body bytes of the last request still to skip
    Error m_error = Error::None;
};

} // namespace vantorix::sandbox
