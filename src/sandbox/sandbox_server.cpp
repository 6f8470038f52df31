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

// Where a redirect loop sends the client: an address that redirects to itself.
const QByteArray kLoopPath = QByteArrayLiteral("/redirect-loop");
// Padding after a huge page's end, and the bytes no GBK decoder accepts (a
// lead byte before a space, an 0xFF, a lead byte cut off at the end).
constexpr qsizetype kHugePadding = 10 * 1024 * 1024;
const QByteArray kInvalidGbk = QByteArrayLiteral("<p>\x81\x20\xFF</p>\x81");

void redirectToLoop(QHttpServerResponder &responder)
{
    responder.write({{"Location", kLoopPath}}, QHttpServerResponder::StatusCode::Found);
}

// Headers, the first half of the body, then a space a second for as long as
// the client listens: a transfer time-out that only watches for silence
// would never end it.
void startEndlessAnswer(QHttpServerResponder &responder, const QByteArray &body)
{
    responder.writeStatusLine();
    responder.writeHeader("Content-Type", kContentType);
    responder.writeHeader("Content-Length", QByteArray::number(body.size() * 2));
    responder.writeBody(body.left(body.size() / 2));
    QTcpSocket *socket = responder.socket();
    auto *trickle = new QTimer(socket); // goes with the connection
    QObject::connect(trickle, &QTimer::timeout, socket, [socket] { socket->write(" "); });
    trickle->start(1000);
}

void deliver(QHttpServerResponder &responder, Fault fault, const Page &page)
{
    QByteArray body = gbk(page.html);
    switch (fault) {
    case Fault::RedirectLoop:
        return redirectToLoop(responder);
    case Fault::EndlessBody:
        return startEndlessAnswer(responder, body);
    case Fault::HugePage:
        body += "<!--" + QByteArray(kHugePadding, 'x') + "-->";
        break;
    case Fault::InvalidGbk:
        body += kInvalidGbk;
        break;
    case Fault::DropConnection:
        // Cut off half-way through the body: a connection closed before any
        // byte would be retried by the client unseen.
        responder.writeStatusLine();
        responder.writeHeader("Content-Type", kContentType);
        responder.writeHeader("Content-Length", QByteArray::number(body.size()));
        responder.writeBody(body.left(body.size() / 2));
        responder.socket()->disconnectFromHost();
        return;
    default:
        break;
    }
    responder.write(body, kContentType, static_cast<QHttpServerResponder::StatusCode>(page.status));
}

} // namespace

SandboxServer::SandboxServer(SandboxOptions options, QObject *parent)
    : QObject(parent), m_options(options), m_graph(options.seed, options.fanout, options.depth),
      m_faults(options.seed, options.failRate, options.faultKinds), m_server(new QHttpServer(this))
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
    if (url.path() == QLatin1String(kLoopPath))
        return redirectToLoop(responder);
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
