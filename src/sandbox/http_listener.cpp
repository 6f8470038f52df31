#include "sandbox/http_listener.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace vantorix::sandbox {

HttpListener::HttpListener(HttpHandler handler, QTcpServer *server, QObject *parent)
    : QObject(parent), m_handler(std::move(handler)), m_server(server ? server : new QTcpServer)
{
    m_server->setParent(this);
    // Not newConnection: a TLS connection is pending only once its handshake is done.
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket *socket = m_server->nextPendingConnection())
            new HttpConnection(socket, m_handler);
    });
}

quint16 HttpListener::listen(quint16 port)
{
    return m_server->listen(QHostAddress::LocalHost, port) ? m_server->serverPort() : 0;
}

quint16 HttpListener::port() const
{
    return m_server->serverPort();
}

} // namespace vantorix::sandbox
