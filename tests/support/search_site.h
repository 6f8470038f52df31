#pragma once

#include "sandbox/http_listener.h"

#include <QHash>
#include <QSet>
#include <QStringList>

// A tiny search engine on 127.0.0.1 whose result pages list exactly the
// related keywords a test gives it, and whose /sugrec answers exactly the
// suggestions it gives it, so every harvest is known in advance.
class SearchSite
{
public:
    // Graph as "seed:a,b;a:c;b:" (a keyword, a colon, its related links);
    // "?seed:x,y" gives the suggestions of seed. A suggestion query shows in
    // queries() as "?" and its keyword, and failKeyword() and setDelay() take
    // it so too.
    explicit SearchSite(const QString &graph = {});

    QString host() const;
    // The next `times` queries of the keyword answer 500.
    void failKeyword(const QString &keyword, int times = 1000000);
    // The keyword's page ends in a byte that is not GBK; "?keyword": its
    // suggestions are cut off.
    void spoilPage(const QString &keyword) { m_spoilt.insert(keyword); }
    void setMarkerPage(const QByteArray &body, int status = 200);
    // Answers of the keyword (or of the marker page, keyword "/banben.htm")
    // come this late.
    void setDelay(const QString &keyword, int ms);

    // The keywords asked for, in arrival order.
    const QStringList &queries() const { return m_queries; }

private:
    using Request = vantorix::sandbox::HttpRequest;
    void serve(const Request &request, vantorix::sandbox::HttpResponder &&responder);
    QByteArray answer(const Request &request, int &status, QString &keyword);
    QByteArray suggestions(const Request &request, int &status, QString &keyword);
    // Notes the query; false (status 500) while the keyword is to fail.
    bool record(const QString &keyword, int &status);

    vantorix::sandbox::HttpListener m_server;
    quint16 m_port = 0;
    QHash<QString, QStringList> m_related; // "?keyword": its suggestions
    QHash<QString, int> m_failures;
    QHash<QString, int> m_delays;
    QSet<QString> m_spoilt;
    QByteArray m_markerPage;
    int m_markerStatus = 200;
    QStringList m_queries;
};
