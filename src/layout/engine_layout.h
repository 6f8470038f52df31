#pragma once

#include "layout/page_layout.h"

namespace vantorix::layout {

// A search engine besides Baidu, read in today's markup at its own host. Its
// block is a redirect to a path under /antispider/ or away from its host, or
// a page that holds no results and asks for a verification code; a page with
// results and no related block is only an empty harvest. Neither hot lists
// nor search-box suggestions are read from it.
class EngineLayout : public PageLayout
{
public:
    QUrl searchUrl(const QString &keyword) const final;
    std::optional<QUrl> retryAddress(const QUrl &asked, const QString &pageText) const final;
    bool throttlesClients() const final;
    bool isBlockAddress(const QUrl &target) const final;
    bool isBlockPage(const QString &pageText) const final;
    bool usesSeedMarkers() const final;
    bool hasSuggestions() const final;
    QUrl suggestUrl(const QString &keyword) const final;
    Suggestions suggestions(const QString &answerText) const final;
    std::optional<web::HotlistReading> hotlist(const HotwordSource &source) const final;

protected:
    // `host` as set; `queryPath` the result page's path and query with "%1"
    // for the UTF-8 percent-encoded keyword.
    EngineLayout(QString host, QString queryPath);
    // Whether the page lists search results (a block page lists none).
    virtual bool holdsResults(const QString &pageText) const = 0;

private:
    QString m_host;
    QString m_queryPath;
};

// The host setting of an engine, with today's address in place of the
// classic default.
QString engineHost(const QString &setting, const QString &classicDefault, const QString &today);

} // namespace vantorix::layout
