#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <utility>

class QTcpSocket;

namespace vantorix::sandbox {

class HttpConnection;

// The answer to one request, written now or later: it can be moved and held
// on to, and writing after the client has gone does nothing. A responder
// dropped without an answer leaves the client waiting on an open connection.
class HttpResponder
{
public:
    using Headers = QList<std::pair<QByteArray, QByteArray>>;

    HttpResponder(HttpConnection *connection, quint64 index, bool headOnly, bool lastOnConnection);
    HttpResponder(HttpResponder &&) = default;
    HttpResponder &operator=(HttpResponder &&) = default;

    // The whole answer with its Content-Length; a HEAD request gets no body.
    void write(int status, Headers headers, const QByteArray &body = {});
    // Bytes as they are, for answers no well-behaved server sends. The answer
    // stays open: nothing more is answered on the connection.
    void writeRaw(const QByteArray &bytes);
    // The client's socket while it is connected, else null.
    QTcpSocket *socket() const;

    // A status line and headers up to the blank line, for writeRaw.
    static QByteArray head(int status, const Headers &headers);

private:
    QPointer<HttpConnection> m_connection;
    quint64 m_index;
    bool m_headOnly;
    bool m_last;
};

} // namespace vantorix::sandbox
