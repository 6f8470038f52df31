#include "sandbox/http_responder.h"

#include "sandbox/http_connection.h"

#include <QTcpSocket>

namespace vantorix::sandbox {

namespace {

QByteArray reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    default:
        return {}; // clients read the code alone
    }
}

} // namespace

HttpResponder::HttpResponder(HttpConnection *connection, quint64 index, bool headOnly,
                             bool lastOnConnection)
    : m_connection(connection), m_index(index), m_headOnly(headOnly), m_last(lastOnConnection)
{
}

QByteArray HttpResponder::head(int status, const Headers &headers)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason(status) + "\r\n";
    for (const auto &[name, value] : headers)
        out += name + ": " + value + "\r\n";
    return out + "\r\n";
}

void HttpResponder::write(int status, Headers headers, const QByteArray &body)
{
    if (!m_connection)
        return;
    headers.emplaceBack("Content-Length", QByteArray::number(body.size()));
    if (m_last)
        headers.emplaceBack("Connection", "close");
    m_connection->write(m_index, head(status, headers) + (m_headOnly ? QByteArray() : body), true);
    m_connection = nullptr;
}

void HttpResponder::writeRaw(const QByteArray &bytes)
{
    if (m_connection)
        m_connection->write(m_index, bytes, false);
}

QTcpSocket *HttpResponder::socket() const
{
    QTcpSocket *socket = m_connection ? m_connection->socket() : nullptr;
    return socket && socket->state() == QAbstractSocket::ConnectedState ? socket : nullptr;
}

} // namespace vantorix::sandbox
