#pragma once

#include <QHostAddress>
#include <QTcpServer>

// A small forwarding proxy on 127.0.0.1 speaking SOCKS5 (CONNECT, no
// authentication) and plain HTTP (GET in absolute form). Every onward
// connection leaves from `source`, another address of the loopback network
// (127.0.0.2, 127.0.0.3, ...), so that a server on this machine sees each
// proxy as a client of its own.
class ForwardingProxy : public QTcpServer
{
public:
    explicit ForwardingProxy(const QHostAddress &source, QObject *parent = nullptr);

    bool listen() { return QTcpServer::listen(QHostAddress::LocalHost); }
    // "socks5://127.0.0.1:PORT" or "http://127.0.0.1:PORT".
    QString url(const QString &scheme) const;

private:
    void accept();

    QHostAddress m_source;
};
