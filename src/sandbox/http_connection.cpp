#include "sandbox/http_connection.h"

#include <QTcpSocket>

namespace vantorix::sandbox {

HttpConnection::HttpConnection(QTcpSocket *socket, HttpHandler handler)
    : QObject(socket), m_socket(socket), m_handler(std::move(handler))
{
    // Reading stops while the requests taken wait; the client's sends then stall.
    socket->setReadBufferSize(HttpRequestReader::kMaxHeadBytes);
    connect(socket, &QTcpSocket::readyRead, this, &HttpConnection::serve);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    if (socket->state() != QAbstractSocket::ConnectedState)
        socket->deleteLater();
    else
        serve(); // the request may have come with the TLS handshake
}

HttpResponder HttpConnection::open(bool headOnly, bool last)
{
    m_closing = last;
    m_answers.push_back({{}, false, last});
    return HttpResponder(this, m_first + m_answers.size() - 1, headOnly, last);
}

void HttpConnection::serve()
{
    m_serving = true;
    while (!m_closing && m_answers.size() < kMaxPipelined &&
           m_socket->state() == QAbstractSocket::ConnectedState) {
        if (std::optional<HttpRequest> request = m_reader.next()) {
            request->remoteAddress = m_socket->peerAddress();
            m_handler(*request, open(request->method == "HEAD", !request->keepAlive()));
        } else if (m_reader.error() != HttpRequestReader::Error::None) {
            const bool tooLarge = m_reader.error() == HttpRequestReader::Error::TooLarge;
            open(false, true).write(tooLarge ? 431 : 400, {});
        } else if (m_socket->bytesAvailable() > 0) {
            m_reader.append(m_socket->read(HttpRequestReader::kMaxHeadBytes));
        } else {
            break;
        }
    }
    m_serving = false;
}

void HttpConnection::write(quint64 index, const QByteArray &bytes, bool done)
{
    Answer &answer = m_answers[index - m_first];
    answer.waiting += bytes;
    answer.done = done;
    while (!m_answers.empty()) {
        Answer &front = m_answers.front();
        if (m_socket->state() == QAbstractSocket::ConnectedState)
            m_socket->write(front.waiting);
        front.waiting.clear();
        if (!front.done)
            return;
        if (front.last)
            m_socket->disconnectFromHost();
        m_answers.pop_front();
        ++m_first;
    }
    if (!m_serving)
        serve(); // there is room for more of the client's requests
}

} // namespace vantorix::sandbox
