#pragma once

#include "sandbox/http_request.h"
#include "sandbox/http_responder.h"

#include <QObject>
#include <deque>
#include <functional>

class QTcpSocket;

namespace vantorix::sandbox {

using HttpHandler = std::function<void(const HttpRequest &, HttpResponder &&)>;

// One client's connection: hands each request to the handler as it comes and
// writes the answers back in the order of the requests, whenever each is
// ready. A child of its socket, it goes with it.
class HttpConnection : public QObject
{
public:
    HttpConnection(QTcpSocket *socket, HttpHandler handler);

    QTcpSocket *socket() const { return m_socket; }
    // Bytes of the answer to the connection's request number `index`; `done`
    // once the answer is whole.
    void write(quint64 index, const QByteArray &bytes, bool done);

private:
    struct Answer
    {
        QByteArray waiting; // held until the answers before it are out
        bool done = false;
        bool last = false; // the connection closes after it
    };
    // Requests taken at once, so that a client cannot queue up answers unbounded.
    static constexpr size_t kMaxPipelined = 32;

    void serve();
    HttpResponder open(bool headOnly, bool last);

    QTcpSocket *m_socket;
    HttpHandler m_handler;
    HttpRequestReader m_reader;
    std::deque<Answer> m_answers; // from the oldest one not yet written whole
    quint64 m_first = 0;          // the request number of m_answers.front()
    bool m_closing = false;       // no request after the last one is read
    bool m_serving = false;
};

} // namespace vantorix::sandbox
