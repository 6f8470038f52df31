#include "sandbox/sandbox_server.h"

#include "sandbox/hot_lists.h"
#include "sandbox/pages.h"
#include "sandbox/query_text.h"

#include <QHttpServer>
#include <QPointer>
#include <QStringEncoder>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

namespace vantorix::sandbox {

using namespace Qt::StringLiterals;

namespace {

const QByteArray kContentType = QByteArrayLiteral("text/html; charset=gbk");

QByteArray gbk(const QString &html)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(html);
}

void deliver(QHttpServerResponder &responder, Fault fault, const Page &page)
{
    const QByteArray body = gbk(page.html);
    if (fault != Fault::DropConnection) {
        responder.write(body, kContentType,
                        static_cast<QHttpServerResponder::StatusCode>(page.status));
        return;
    }
    // Cut off half-way through the body: a connection closed before any byte
    // would be retried by the client unseen.
    responder.writeStatusLine();
    responder.writeHeader("Content-Type", kContentType);
    responder.writeHeader("Content-Length", QByteArray::number(body.size()));
    responder.writeBody(body.left(body.size() / 2));
    responder.socket()->disconnectFromHost();
}

} // namespace

SandboxServer::SandboxServer(SandboxOptions options, QObject *parent)
    : QObject(parent), m_options(options), m_graph(options.seed, options.fanout, options.depth),
      m_faults(options.seed, options.failRate), m_server(new QHttpServer(this))
{
    // Every request goes through one handler: the paths are few, and faults
    // and latency apply to all of them alike.
    m_server->setMissingHandler(
        [this](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
            handle(request, std::move(responder));
        });
}

SandboxServer::~SandboxServer() = default;

bool SandboxServer::listen(quint16 port)
{
    m_port = m_server->listen(QHostAddress::LocalHost, port);
    return m_port != 0;
}

QString SandboxServer::host() const
{
    return u"127.0.0.1:"_s + QString::number(m_port);
}

Page SandboxServer::page(const QString &path, const QByteArray &query, const QString &host) const
{
    if (path == u"/s"_s) {
        const QString keyword = queryValue(query, "wd");
        return {resultPage(keyword, m_graph.related(keyword))};
    }
    if (path == u"/banben.htm"_s)
        return {markerPage()};
    if (path == u"/"_s)
        return {homePage()};
    if (path == u"/web"_s)
        return {sogouSearchPage(queryValue(query, "query"))};
    if (const auto list = hotListForPath(path))
        return {hotListPage(*list, hotListWords(*list, m_options.seed), host)};
    return {notFoundPage(path), 404};
}

void SandboxServer::handle(const QHttpServerRequest &request, QHttpServerResponder &&responder)
{
    const QUrl url = request.url();
    const QByteArray query = url.query(QUrl::FullyEncoded).toLatin1();
    const QByteArray target =
        url.path(QUrl::FullyEncoded).toLatin1() + (url.hasQuery() ? '?' + query : QByteArray());
    const Fault fault = m_faults.next(target);
    if (fault == Fault::NoAnswer)
        return; // the responder goes without writing; the connection stays open

    QString host = QString::fromLatin1(request.value("Host"));
    if (host.isEmpty())
        host = this->host();
    const Page answer = fault == Fault::ServerError
                            ? Page{serverErrorPage(), 500}
                            : page(url.path(QUrl::FullyDecoded), query, host);
    if (m_options.latencyMs <= 0) {
        deliver(responder, fault, answer);
        return;
    }
    // The responder waits on a timer; the socket may be gone by then.
    auto held = std::make_shared<QHttpServerResponder>(std::move(responder));
    QPointer<QTcpSocket> socket = held->socket();
    ++m_waiting;
    QTimer::singleShot(m_options.latencyMs, this, [this, held, socket, fault, answer] {
        --m_waiting;
        if (socket && socket->state() == QAbstractSocket::ConnectedState)
            deliver(*held, fault, answer);
    });
}

} // namespace vantorix::sandbox
