#pragma once

#include "sandbox/fault_plan.h"
#include "sandbox/keyword_graph.h"
#include "sandbox/sandbox_options.h"
#include "sandbox/throttle.h"

#include <QObject>
#include <optional>

namespace vantorix::sandbox {

class HttpListener;
struct HttpRequest;
class HttpResponder;

struct Page
{
    QString text; // HTML, or JSON for a JSON media type
    int status = 200;
    QByteArray mediaType = "text/html";
    QByteArray charset = "gbk"; // "utf-8", or empty for JSON (UTF-8 by definition)
    QByteArray location = {};   // where a redirect sends the client
};

// What a client sent along with one request.
struct RequestRecord
{
    QString client;    // the address it came from
    QByteArray target; // path and query, as sent
    QByteArray userAgent;
    QByteArray acceptLanguage;
    QByteArray cookie;
};

// The sandbox web: one HTTP server on 127.0.0.1 answering every path the
// program reads, the classic pages GBK-encoded or today's (live) in UTF-8
// with a BAIDUID cookie for a client that has none, with optional latency,
// faults and (live) throttling. Latency is a
// timer per answer on this thread, so requests are answered concurrently.
class SandboxServer : public QObject
{
    Q_OBJECT

public:
    explicit SandboxServer(SandboxOptions options, QObject *parent = nullptr);
    ~SandboxServer() override;

    // Listens on 127.0.0.1; port 0 takes a free one. False when it cannot.
    bool listen(quint16 port = 0);
    quint16 port() const { return m_port; }
    // "127.0.0.1:PORT", the host every role points at.
    QString host() const;

    const SandboxOptions &options() const { return m_options; }
    const KeywordGraph &graph() const { return m_graph; }

    // The page for a request line's path and raw query; `host` is where the
    // client reached the sandbox (the Sogou lists link to its web search there).
    Page page(const QString &path, const QByteArray &query, const QString &host) const;

    // Answers waiting for their latency.
    int answersWaiting() const { return m_waiting; }

Q_SIGNALS:
    // Each request as it arrives, so that tests can check what clients send.
    void requestReceived(const vantorix::sandbox::RequestRecord &request);
    // Each block sent instead of a result page: "verification page",
    // "redirect to HOST" or (Sogou) "redirect to /antispider/", and why ("block rate", "over the
    // rate limit", "cooling down").
    void blockSent(const vantorix::sandbox::RequestRecord &request, const QString &form,
                   const QString &reason);

private:
    std::optional<Page> classicPage(const QString &path, const QByteArray &query,
                                    const QString &host) const;
    std::optional<Page> livePage(const QString &path, const QByteArray &query) const;
    void handle(const HttpRequest &request, HttpResponder &&responder);
    // The block a live search query meets instead of its page, if any.
    std::optional<Page> blockFor(const RequestRecord &request, const QString &host);

    SandboxOptions m_options;
    KeywordGraph m_graph;
    // Sogou's and 360's: the same vocabulary in choices of their own, so each
    // engine lists keywords the others do not.
    KeywordGraph m_sogouGraph;
    KeywordGraph m_so360Graph;
    FaultPlan m_faults;
    Throttle m_throttle;
    HttpListener *m_server;
    quint16 m_port = 0;
    int m_waiting = 0;
    int m_cookiesGiven = 0;
};

} // namespace vantorix::sandbox
