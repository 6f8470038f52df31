#include "layout/live_layout.h"

#include "layout/live_hotlists.h"
#include "layout/live_markup.h"
#include "layout/suggestions.h"
#include "web/extract.h"
#include "web/urls.h"

namespace vantorix::layout {

LiveLayout::LiveLayout(config::HostSettings hosts) : m_hosts(std::move(hosts))
{
    const config::HostSettings classic;
    if (m_hosts.search == classic.search)
        m_hosts.search = kLiveSearchHost;
    if (m_hosts.hotlist == classic.hotlist)
        m_hosts.hotlist = kLiveHotlistHost;
    if (m_hosts.sogouHotlist == classic.sogouHotlist)
        m_hosts.sogouHotlist = kLiveSogouHotlistHost;
}

QString LiveLayout::name() const
{
    return QStringLiteral("live");
}

QUrl LiveLayout::searchUrl(const QString &keyword) const
{
    return web::pageUrl(m_hosts.search,
                        "/s?wd=" + keyword.toUtf8().toPercentEncoding() + "&ie=utf-8");
}

std::optional<QUrl> LiveLayout::retryAddress(const QUrl &asked, const QString &pageText) const
{
    if (asked.scheme() != QLatin1String("https") || !isHttpsShellPage(pageText))
        return std::nullopt;
    QUrl plain = asked; // as the page's script does: the scheme swapped, the rest kept
    plain.setScheme(QStringLiteral("http"));
    return plain;
}

bool LiveLayout::throttlesClients() const
{
    return true;
}

bool LiveLayout::isBlockAddress(const QUrl &target) const
{
    return isCaptchaAddress(target);
}

bool LiveLayout::isBlockPage(const QString &pageText) const
{
    return isVerificationPage(pageText);
}

bool LiveLayout::usesSeedMarkers() const
{
    return false;
}

RelatedSearches LiveLayout::relatedSearches(const QString &pageText, const QStringList &) const
{
    const QString block = web::ExtractBetween(pageText, kLiveRelatedStart, kLiveRelatedEnd);
    RelatedSearches related{!block.isEmpty(), linkTexts(block)};
    // The words also stand in the block's JSON; a table drawn by script alone
    // still gives them.
    if (related.candidates.isEmpty())
        related.candidates = relatedDataWords(pageText);
    return related;
}

QUrl LiveLayout::suggestUrl(const QString &keyword) const
{
    return suggestionUrl(m_hosts.search, keyword);
}

Suggestions LiveLayout::suggestions(const QString &answerText) const
{
    return suggestionWords(answerText);
}

std::optional<web::HotlistReading> LiveLayout::hotlist(const HotwordSource &source) const
{
    if (source.name == QLatin1String("baidu-today"))
        return web::HotlistReading{web::pageUrl(m_hosts.hotlist, "/board?tab=realtime"),
                                   boardWordList};
    if (source.name == QLatin1String("sogou-today"))
        return web::HotlistReading{web::pageUrl(m_hosts.sogouHotlist, "/hot_ranks"),
                                   hotRanksWordList};
    return std::nullopt; // no weekly or monthly list is published any more
}

} // namespace vantorix::layout
