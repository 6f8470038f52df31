#include "search_site.h"

#include "gbk.h"
#include "hosts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QUrlQuery>
#include <memory>

SearchSite::SearchSite(const QString &graph)
    : m_server([this](const Request &request, vantorix::sandbox::HttpResponder &&responder) {
          serve(request, std::move(responder));
      })
{
    for (const QString &node : graph.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype colon = node.indexOf(QLatin1Char(':'));
        const QString links = node.mid(colon + 1);
        m_related.insert(node.left(colon),
                         links.isEmpty() ? QStringList{} : links.split(QLatin1Char(',')));
    }
    m_port = m_server.listen();
}

QString SearchSite::host() const
{
    return loopbackHost(m_port);
}

void SearchSite::failKeyword(const QString &keyword, int times)
{
    m_failures.insert(keyword, times);
}

void SearchSite::setMarkerPage(const QByteArray &body, int status)
{
    m_markerPage = body;
    m_markerStatus = status;
}

void SearchSite::setDelay(const QString &keyword, int ms)
{
    m_delays.insert(keyword, ms);
}

void SearchSite::serve(const Request &request, vantorix::sandbox::HttpResponder &&responder)
{
    const QString path = request.url().path();
    int status = 200;
    QString keyword = path;
    QByteArray body = m_markerPage;
    const bool json = path == QStringLiteral("/sugrec");
    if (path == QStringLiteral("/s"))
        body = answer(request, status, keyword);
    else if (json)
        body = suggestions(request, status, keyword);
    else
        status = path == QStringLiteral("/banben.htm") ? m_markerStatus : 404;
    const vantorix::sandbox::HttpResponder::Headers type{
        {"Content-Type", json ? "application/json" : "text/html; charset=gbk"}};
    // Writing to a client gone in the meantime does nothing.
    QTimer::singleShot(
        m_delays.value(keyword), &m_server,
        [held = std::make_shared<vantorix::sandbox::HttpResponder>(std::move(responder)), body,
         status, type] { held->write(status, type, body); });
}

bool SearchSite::record(const QString &keyword, int &status)
{
    m_queries.append(keyword);
    if (int &left = m_failures[keyword]; left > 0) {
        --left;
        status = 500;
        return false;
    }
    return true;
}

QByteArray SearchSite::suggestions(const Request &request, int &status, QString &keyword)
{
    const QUrlQuery query(request.url());
    keyword = QLatin1Char('?') + query.queryItemValue(QStringLiteral("wd"), QUrl::FullyDecoded);
    if (!record(keyword, status))
        return "server error";
    QJsonArray items;
    for (const QString &word : m_related.value(keyword))
        items.append(QJsonObject{{QStringLiteral("q"), word}});
    QJsonObject answer{{QStringLiteral("q"), keyword.mid(1)}};
    if (!items.isEmpty())
        answer.insert(QStringLiteral("g"), items);
    const QByteArray json = QJsonDocument(answer).toJson(QJsonDocument::Compact);
    return m_spoilt.contains(keyword) ? json.left(json.size() / 2) : json;
}

QByteArray SearchSite::answer(const Request &request, int &status, QString &keyword)
{
    QByteArray wd = request.url().query(QUrl::FullyEncoded).toLatin1();
    if (wd.startsWith("wd="))
        wd = wd.mid(3);
    keyword = fromGbk(QByteArray::fromPercentEncoding(wd));
    if (!record(keyword, status))
        return "server error";
    // A furniture link outside the block shows that only the block is read.
    QString page = QStringLiteral("<html><body><p><a href=\"/x?y&f=1\">Furniture</a></p>"
                                  "<div id=rs><table><tr><th>相关搜索</th></tr><tr>");
    for (const QString &link : m_related.value(keyword))
        page += QStringLiteral("<td><a href=\"/s?wd=%1&f=1\">%1</a></td>").arg(link);
    page += QStringLiteral("</tr></table></div><p>footer</p></body></html>");
    return gbk(page) + (m_spoilt.contains(keyword) ? "\x80" : "");
}
