#include "forwarding_proxy.h"

#include <QPointer>
#include <QTcpSocket>
#include <QUrl>
#include <QtEndian>
#include <functional>

namespace {

// One client connection and its onward one. The client's first bytes say
// which protocol it speaks; after the handshake, bytes pass both ways as
// they come, HTTP request lines rewritten to the origin form on the way out.
class Tunnel : public QObject
{
public:
    Tunnel(QTcpSocket *client, const QHostAddress &source,
           std::function<void(QString &, quint16 &)> route)
        : QObject(client), m_client(client), m_source(source), m_route(std::move(route))
    {
        connect(client, &QTcpSocket::readyRead, this, &Tunnel::fromClient);
        connect(client, &QTcpSocket::disconnected, this, &Tunnel::close);
    }

private:
    enum class Stage { Start, SocksRequest, Connecting, Open };

    void fromClient()
    {
        m_pending += m_client->readAll();
        if (m_stage == Stage::Start && !m_pending.isEmpty()) {
            m_http = m_pending.at(0) != '\x05';
            if (m_http)
                return httpTarget();
            if (!socksGreeting())
                return;
            m_stage = Stage::SocksRequest;
        }
        if (m_stage == Stage::SocksRequest)
            return socksRequest();
        if (m_stage == Stage::Open)
            forward();
    }

    bool socksGreeting()
    {
        if (m_pending.size() < 2 || m_pending.size() < 2 + quint8(m_pending.at(1)))
            return false;
        m_pending.remove(0, 2 + quint8(m_pending.at(1)));
        m_client->write(QByteArray("\x05\x00", 2));
        return true;
    }

    void socksRequest()
    {
        if (m_pending.size() < 5)
            return;
        const char type = m_pending.at(3);
        const int length = type == 1 ? 4 : type == 4 ? 16 : 1 + quint8(m_pending.at(4));
        if (m_pending.size() < 4 + length + 2)
            return;
        const QByteArray address =
            m_pending.mid(type == 3 ? 5 : 4, type == 3 ? length - 1 : length);
        const quint16 port =
            quint16(quint8(m_pending.at(4 + length)) << 8 | quint8(m_pending.at(4 + length + 1)));
        m_pending.remove(0, 4 + length + 2);
        // The tests' clients name hosts or IPv4 addresses.
        open(type == 1 ? QHostAddress(qFromBigEndian<quint32>(address.constData())).toString()
                       : QString::fromLatin1(address),
             port);
    }

    // The first HTTP request names where to go.
    void httpTarget()
    {
        const qsizetype lineEnd = m_pending.indexOf("\r\n");
        if (lineEnd < 0)
            return;
        const QUrl url(QString::fromLatin1(m_pending.left(lineEnd).split(' ').value(1)));
        open(url.host(), quint16(url.port(80)));
    }

    void open(QString host, quint16 port)
    {
        m_route(host, port);
        m_stage = Stage::Connecting;
        m_server = new QTcpSocket(this);
        m_server->bind(m_source);
        connect(m_server, &QTcpSocket::connected, this, [this] {
            if (!m_http)
                m_client->write(QByteArray("\x05\x00\x00\x01\x00\x00\x00\x00\x00\x00", 10));
            m_stage = Stage::Open;
            forward();
        });
        connect(m_server, &QTcpSocket::readyRead, this,
                [this] { m_client->write(m_server->readAll()); });
        connect(m_server, &QTcpSocket::disconnected, this, &Tunnel::close);
        connect(m_server, &QTcpSocket::errorOccurred, this, [this] {
            if (m_stage == Stage::Connecting && !m_http)
                m_client->write(QByteArray("\x05\x05\x00\x01\x00\x00\x00\x00\x00\x00", 10));
            close();
        });
        m_server->connectToHost(host, port);
    }

    void forward()
    {
        if (!m_http) {
            m_server->write(m_pending);
            m_pending.clear();
            return;
        }
        // Whole request heads only (GET has no body): "GET http://h/p" goes on as "GET /p".
        for (qsizetype end; (end = m_pending.indexOf("\r\n\r\n")) >= 0;) {
            QByteArray head = m_pending.left(end + 4);
            m_pending.remove(0, end + 4);
            const qsizetype lineEnd = head.indexOf("\r\n");
            QList<QByteArray> words = head.left(lineEnd).split(' ');
            const QUrl url(QString::fromLatin1(words.value(1)));
            if (words.size() == 3 && url.isValid() && !url.host().isEmpty())
                words[1] = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority);
            m_server->write(words.join(' ') + head.mid(lineEnd));
        }
    }

    void close()
    {
        if (m_server && m_server->bytesAvailable())
            m_client->write(m_server->readAll());
        m_client->disconnectFromHost();
        if (m_server)
            m_server->disconnectFromHost();
        m_client->deleteLater();
    }

    QTcpSocket *m_client;
    QPointer<QTcpSocket> m_server;
    QHostAddress m_source;
    std::function<void(QString &, quint16 &)> m_route;
    QByteArray m_pending;
    Stage m_stage = Stage::Start;
    bool m_http = false;
};

} // namespace

ForwardingProxy::ForwardingProxy(const QHostAddress &source, QObject *parent)
    : QTcpServer(parent), m_source(source)
{
    connect(this, &QTcpServer::newConnection, this, &ForwardingProxy::accept);
}

QString ForwardingProxy::url(const QString &scheme) const
{
    return scheme + QStringLiteral("://127.0.0.1:") + QString::number(serverPort());
}

void ForwardingProxy::accept()
{
    while (QTcpSocket *client = nextPendingConnection()) {
        new Tunnel(client, m_source, [this](QString &host, quint16 &port) {
            asked.append(host + u':' + QString::number(port));
            if (m_divertTo != 0)
                std::tie(host, port) = std::pair(QStringLiteral("127.0.0.1"), m_divertTo);
        });
    }
}
