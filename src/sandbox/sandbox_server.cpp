#include "sandbox/sandbox_server.h"

#include "sandbox/hot_lists.h"
#include "sandbox/http_listener.h"
#include "sandbox/pages.h"
#include "sandbox/query_text.h"
#include "sandbox/stable_hash.h"

#include <QStringEncoder>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

namespace vantorix::sandbox {

using namespace Qt::StringLiterals;

namespace {

// An answer as it goes on the wire.
struct Answer
{
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QByteArray setCookie; // empty: none
    QByteArray location;  // empty: none
};

Answer encode(const Page &page)
{
    if (page.charset == "gbk") {
        QStringEncoder encoder("GB18030");
        return {page.status,
                page.mediaType + "; charset=gbk",
                encoder.encode(page.text),
                {},
                page.location};
    }
    return {page.status,
            page.charset.isEmpty() ? page.mediaType : page.mediaType + "; charset=" + page.charset,
            page.text.toUtf8(),
            {},
            page.location};
}

// Where a redirect loop sends the client: an address that redirects to itself.
const QByteArray kLoopPath = QByteArrayLiteral("/redirect-loop");
// Padding after a huge page's end, and the bytes no GBK decoder accepts (a
// lead byte before a space, an 0xFF, a lead byte cut off at the end).
constexpr qsizetype kHugePadding = 10 * 1024 * 1024;
const QByteArray kInvalidGbk = QByteArrayLiteral("<p>\x81\x20\xFF</p>\x81");

// Which engine a search query is for: Sogou's /web, 360's /s?q=, else Baidu.
enum class Engine { Baidu, Sogou, So360 };

Engine engineOf(const QString &path, const QByteArray &query)
{
    if (path == u"/web"_s)
        return Engine::Sogou;
    const bool asksQ = query.startsWith("q=") || query.contains("&q=");
    return path == u"/s"_s && asksQ ? Engine::So360 : Engine::Baidu;
}

void redirectToLoop(HttpResponder &responder)
{
    responder.write(302, {{"Location", kLoopPath}});
}

// A space a second for as long as the client listens, on an answer with no
// length: a time-out that only watches for silence would never end it.
void trickleForever(QTcpSocket *socket)
{
    auto *trickle = new QTimer(socket); // goes with the connection
    QObject::connect(trickle, &QTimer::timeout, socket, [socket] { socket->write(" "); });
    trickle->start(1000);
}

void deliver(HttpResponder &responder, Fault fault, Answer answer)
{
    if (fault == Fault::RedirectLoop)
        return redirectToLoop(responder);
    if (fault == Fault::HugePage)
        answer.body += "<!--" + QByteArray(kHugePadding, 'x') + "-->";
    if (fault == Fault::InvalidGbk)
        answer.body += kInvalidGbk;
    HttpResponder::Headers headers{{"Content-Type", answer.contentType}};
    if (!answer.setCookie.isEmpty())
        headers.emplaceBack("Set-Cookie", answer.setCookie);
    if (!answer.location.isEmpty())
        headers.emplaceBack("Location", answer.location);
    if (fault != Fault::DropConnection && fault != Fault::EndlessBody)
        return responder.write(answer.status, headers, answer.body);
    // Cut off half-way through the body: a connection closed before any byte
    // would be retried by the client unseen.
    if (fault != Fault::EndlessBody)
        headers.emplaceBack("Content-Length", QByteArray::number(answer.body.size()));
    responder.writeRaw(HttpResponder::head(answer.status, headers) +
                       answer.body.left(answer.body.size() / 2));
    if (fault == Fault::EndlessBody)
        trickleForever(responder.socket());
    else
        responder.socket()->disconnectFromHost();
}

} // namespace

SandboxServer::SandboxServer(SandboxOptions options, QObject *parent)
    : QObject(parent), m_options(options), m_graph(options.seed, options.fanout, options.depth),
      m_sogouGraph(options.seed + 0x5060ULL, options.fanout, options.depth),
      m_so360Graph(options.seed + 0x3600ULL, options.fanout, options.depth),
      m_faults(options.seed, options.failRate, options.faultKinds),
      m_throttle(options.seed, options.blockRate, options.rateLimit, options.blockCooldownSeconds),
      // Every request goes through one handler: the paths are few, and faults
      // and latency apply to all of them alike.
      m_server(new HttpListener(
          [this](const HttpRequest &request, HttpResponder &&responder) {
              handle(request, std::move(responder));
          },
          nullptr, this))
{
}

SandboxServer::~SandboxServer() = default;

bool SandboxServer::listen(quint16 port)
{
    m_port = m_server->listen(port);
    return m_port != 0;
}

QString SandboxServer::host() const
{
    return u"127.0.0.1:"_s + QString::number(m_port);
}

Page SandboxServer::page(const QString &path, const QByteArray &query, const QString &host) const
{
    // The publisher's site is the same whichever pages the engines serve.
    if (path == u"/banben.htm"_s)
        return {markerPage()};
    if (path == u"/"_s)
        return {homePage()};
    // The search box's suggestions: one endpoint, UTF-8, whichever pages the
    // engine serves.
    if (path == u"/sugrec"_s) {
        const QString keyword = queryValue(query, "wd", true);
        return {suggestionAnswer(keyword, m_graph.suggestions(keyword), m_options.seed),
                200,
                "application/json",
                {}};
    }
    // Sogou and 360 are read in today's markup only, so they serve it in
    // either layout; a classic Sogou hot list links here with GBK queries.
    if (engineOf(path, query) == Engine::Sogou) {
        const QString keyword = queryValue(query, "query", queryValue(query, "ie") != u"gbk"_s);
        return {sogouResultPage(keyword, m_sogouGraph.related(keyword),
                                m_sogouGraph.suggestions(keyword)),
                200, "text/html", "utf-8"};
    }
    if (engineOf(path, query) == Engine::So360) {
        const QString keyword = queryValue(query, "q", true);
        return {so360ResultPage(keyword, m_so360Graph.related(keyword), m_options.seed), 200,
                "text/html", "utf-8"};
    }
    const std::optional<Page> engine =
        m_options.live ? livePage(path, query) : classicPage(path, query, host);
    return engine.value_or(Page{notFoundPage(path), 404});
}

std::optional<Page> SandboxServer::classicPage(const QString &path, const QByteArray &query,
                                               const QString &host) const
{
    if (path == u"/s"_s) {
        const QString keyword = queryValue(query, "wd");
        return Page{resultPage(keyword, m_graph.related(keyword))};
    }
    if (const auto list = hotListForPath(path))
        return Page{hotListPage(*list, hotListWords(*list, m_options.seed), host)};
    return std::nullopt;
}

// Today's engines retired the classic hot-list pages; only these remain.
std::optional<Page> SandboxServer::livePage(const QString &path, const QByteArray &query) const
{
    if (path == u"/s"_s) {
        const QString keyword = queryValue(query, "wd");
        return Page{liveResultPage(keyword, m_graph.related(keyword), m_options.seed), 200,
                    "text/html", "utf-8"};
    }
    if (path == u"/board"_s && queryValue(query, "tab") == u"realtime"_s)
        return Page{boardPage(hotListWords(HotList::BaiduToday, m_options.seed)), 200, "text/html",
                    "utf-8"};
    if (path == u"/hot_ranks"_s)
        return Page{hotRanksJson(hotListWords(HotList::SogouToday, m_options.seed), m_options.seed),
                    200,
                    "application/json",
                    {}};
    return std::nullopt;
}

std::optional<Page> SandboxServer::blockFor(const RequestRecord &request, const QString &host)
{
    if (!m_throttle.isOn())
        return std::nullopt;
    const QUrl url(QString::fromLatin1(request.target));
    const Engine engine = engineOf(url.path(), url.query(QUrl::FullyEncoded).toLatin1());
    // Each engine throttles a client on its own.
    const Block block =
        m_throttle.next(request.client + u'#' + QString::number(int(engine)), request.target);
    if (block.form == BlockForm::None)
        return std::nullopt;
    const QString reason = QLatin1String(block.reason);
    if (engine == Engine::Sogou) {
        const QString address = antispiderAddress(host, request.target);
        Q_EMIT blockSent(request, u"redirect to /antispider/"_s, reason);
        return Page{QString(), 302, "text/html", "utf-8", address.toLatin1()};
    }
    if (engine == Engine::So360) {
        Q_EMIT blockSent(request, u"verification page"_s, reason);
        return Page{so360VerificationPage(), 200, "text/html", "utf-8"};
    }
    if (block.form == BlockForm::VerificationPage) {
        Q_EMIT blockSent(request, u"verification page"_s, reason);
        return Page{verificationPage(), 200, "text/html", "utf-8"};
    }
    const QString address =
        captchaAddress(block.captchaHost, u"http://"_s + host + QString::fromLatin1(request.target),
                       m_options.seed);
    Q_EMIT blockSent(request, u"redirect to "_s + block.captchaHost, reason);
    return Page{captchaRedirectBody(address), 302, "text/html", "utf-8", address.toLatin1()};
}

void SandboxServer::handle(const HttpRequest &request, HttpResponder &&responder)
{
    const QUrl url = request.url();
    if (url.path() == QLatin1String(kLoopPath))
        return redirectToLoop(responder);
    const QByteArray query = url.query(QUrl::FullyEncoded).toLatin1();
    const QByteArray cookie = request.header("Cookie");
    const RequestRecord record{request.remoteAddress.toString(), request.target,
                               request.header("User-Agent"), request.header("Accept-Language"),
                               cookie};
    Q_EMIT requestReceived(record);
    const Fault fault = m_faults.next(request.target);
    if (fault == Fault::NoAnswer)
        return; // the responder goes without writing; the connection stays open

    QString host = QString::fromLatin1(request.header("Host"));
    if (host.isEmpty())
        host = this->host();
    std::optional<Page> shown;
    if (fault == Fault::ServerError)
        shown = Page{serverErrorPage(), 500};
    else if (m_options.live &&
             (url.path() == u"/s"_s || url.path() == u"/sugrec"_s || url.path() == u"/web"_s))
        shown = blockFor(record, host);
    Answer answer = encode(shown.value_or(page(url.path(QUrl::FullyDecoded), query, host)));
    // Today's engine hands a new client an identity cookie with its first answer.
    if (m_options.live && !cookie.contains("BAIDUID="))
        answer.setCookie =
            "BAIDUID=" +
            QByteArray::number(mix64(m_options.seed + quint64(++m_cookiesGiven)), 16).toUpper() +
            ":FG=1; max-age=31536000; path=/";
    if (m_options.latencyMs <= 0) {
        deliver(responder, fault, answer);
        return;
    }
    // The responder waits on a timer; the socket may be gone by then.
    auto held = std::make_shared<HttpResponder>(std::move(responder));
    ++m_waiting;
    QTimer::singleShot(m_options.latencyMs, this, [this, held, fault, answer] {
        --m_waiting;
        if (held->socket())
            deliver(*held, fault, answer);
    });
}

} // namespace vantorix::sandbox
