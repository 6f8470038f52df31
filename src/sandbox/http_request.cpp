#include "sandbox/http_request.h"

namespace vantorix::sandbox {

namespace {

bool hasControl(QByteArrayView text)
{
    for (const char c : text)
        if ((uchar(c) < 0x20 && c != '\t') || c == 0x7F)
            return true;
    return false;
}

bool hasToken(const QByteArray &list, QByteArrayView token)
{
    for (const QByteArray &item : list.split(','))
        if (item.trimmed().compare(token, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

QByteArray HttpRequest::header(QByteArrayView name) const
{
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

bool HttpRequest::keepAlive() const
{
    const QByteArray connection = header("Connection");
    if (version == "HTTP/1.0")
        return hasToken(connection, "keep-alive");
    return !hasToken(connection, "close");
}

void HttpRequestReader::append(const QByteArray &bytes)
{
    if (m_error == Error::None)
        m_buffer += bytes;
}

std::optional<HttpRequest> HttpRequestReader::fail(Error error)
{
    m_error = error;
    m_buffer.clear();
    return std::nullopt;
}

std::optional<HttpRequest> HttpRequestReader::next()
{
    const qsizetype skipped = qsizetype(qMin<qint64>(m_bodyLeft, m_buffer.size()));
    m_buffer.remove(0, skipped);
    m_bodyLeft -= skipped;
    if (m_error != Error::None || m_bodyLeft > 0)
        return std::nullopt;

    // The head's lines up to the blank one; blank lines before it are noise.
    QList<QByteArray> lines;
    qsizetype pos = 0;
    while (true) {
        const qsizetype end = m_buffer.indexOf('\n', pos);
        if (end >= kMaxHeadBytes || (end < 0 && m_buffer.size() > kMaxHeadBytes))
            return fail(Error::TooLarge);
        if (end < 0)
            return std::nullopt;
        QByteArray line = m_buffer.sliced(pos, end - pos);
        pos = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (hasControl(line))
            return fail(Error::Malformed);
        if (!line.isEmpty())
            lines.append(line);
        else if (!lines.isEmpty())
            break;
    }

    const QList<QByteArray> start = lines.takeFirst().split(' ');
    HttpRequest request;
    if (start.size() != 3 || start[0].isEmpty() || !start[1].startsWith('/') ||
        (start[2] != "HTTP/1.1" && start[2] != "HTTP/1.0"))
        return fail(Error::Malformed);
    request.method = start[0];
    request.target = start[1];
    request.version = start[2];
    for (const QByteArray &line : std::as_const(lines)) {
        const qsizetype colon = line.indexOf(':');
        const QByteArray name = line.left(colon);
        // A folded line or a space before the colon could smuggle a header.
        if (colon <= 0 || name.contains(' ') || name.contains('\t'))
            return fail(Error::Malformed);
        request.headers.emplaceBack(name, line.mid(colon + 1).trimmed());
    }

    // The body is skipped, so its length must be beyond doubt.
    qint64 bodyLength = 0;
    bool first = true;
    for (const auto &[name, value] : std::as_const(request.headers)) {
        if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0)
            return fail(Error::Malformed);
        if (name.compare("Content-Length", Qt::CaseInsensitive) != 0)
            continue;
        bool ok = false;
        const qint64 length = value.toLongLong(&ok);
        if (!ok || length < 0 || value.startsWith('+') || (!first && length != bodyLength))
            return fail(Error::Malformed);
        bodyLength = length;
        first = false;
    }
    if (request.version == "HTTP/1.1" && request.header("Host").isEmpty())
        return fail(Error::Malformed);
    m_buffer.remove(0, pos);
    m_bodyLeft = bodyLength;
    return request;
}

} // namespace vantorix::sandbox
