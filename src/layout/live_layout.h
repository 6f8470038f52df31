#pragma once

#include "layout/page_layout.h"

namespace vantorix::layout {

// Today's defaults of the roles the live layout reads.
inline const QString kLiveSearchHost = QStringLiteral("http://www.baidu.com");
inline const QString kLiveHotlistHost = QStringLiteral("https://top.baidu.com");
inline const QString kLiveSogouHotlistHost = QStringLiteral("https://go.ie.sogou.com");

// Today's Baidu and Sogou: UTF-8 queries, the related block between
// "相关搜索</div>" and "</table>" read as text, today's two hot lists. A role
// left at its classic default takes today's host.
class LiveLayout final : public PageLayout
{
public:
    explicit LiveLayout(config::HostSettings hosts);

    QString name() const override;
    QUrl searchUrl(const QString &keyword) const override;
    std::optional<QUrl> retryAddress(const QUrl &asked, const QString &pageText) const override;
    bool throttlesClients() const override;
    bool isBlockAddress(const QUrl &target) const override;
    bool isBlockPage(const QString &pageText) const override;
    bool usesSeedMarkers() const override;
    RelatedSearches relatedSearches(const QString &pageText,
                                    const QStringList &seedMarkers) const override;
    QUrl suggestUrl(const QString &keyword) const override;
    Suggestions suggestions(const QString &answerText) const override;
    std::optional<web::HotlistReading> hotlist(const HotwordSource &source) const override;

    const config::HostSettings &hosts() const { return m_hosts; }

private:
    config::HostSettings m_hosts;
};

} // namespace vantorix::layout
