#pragma once

#include "sandbox/http_connection.h"

#include <QObject>

class QTcpServer;

namespace vantorix::sandbox {

// A small HTTP/1.1 server on 127.0.0.1: every request goes to the handler,
// which answers through its responder at once or later. Connections are kept
// alive, and pipelined requests are answered in order.
class HttpListener : public QObject
{
public:
    // `server` accepts the connections (a QSslServer for HTTPS); a plain
    // QTcpServer when none is given. The listener takes it over.
    explicit HttpListener(HttpHandler handler, QTcpServer *server = nullptr,
                          QObject *parent = nullptr);

    // Port 0 takes a free one. The port listened on, or 0 when it cannot.
    quint16 listen(quint16 port = 0);
    quint16 port() const;

private:
    HttpHandler m_handler;
    QTcpServer *m_server;
};

} // namespace vantorix::sandbox
