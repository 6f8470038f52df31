#pragma once

#include <QHostAddress>
#include <QStringList>
#include <QTcpServer>

// A small forwarding proxy on 127.0.0.1 speaking SOCKS5 (CONNECT, no
// authentication) and plain HTTP (GET in absolute form). Every onward
// connection leaves from `source`, another address of the loopback network
// (127.0.0.2, 127.0.0.3, ...), so that a server on this machine sees each
// proxy as a client of its own.
class ForwardingProxy : public QTcpServer
{
public:
    explicit ForwardingProxy(const QHostAddress &source = QHostAddress::LocalHost,
                             QObject *parent = nullptr);

    bool listen() { return QTcpServer::listen(QHostAddress::LocalHost); }
    // "socks5://127.0.0.1:PORT" or "http://127.0.0.1:PORT".
    QString url(const QString &scheme) const;
    // Every onward connection goes to 127.0.0.1:`port`, whatever host the
    // client named, so that made-up names reach a test server.
    void divertTo(quint16 port) { m_divertTo = port; }

    // Where the clients asked to go, "HOST:PORT" as they named it, in order.
    QStringList asked;

private:
    void accept();

    QHostAddress m_source;
    quint16 m_divertTo = 0;
};
