#pragma once

#include "layout/page_layout.h"

namespace vantorix::layout {

// The block of a result page that holds its related searches.
inline const QString kRelatedStart = QStringLiteral("相关搜索</th>");
inline const QString kRelatedEnd = QStringLiteral("</table>");

// One related-search link of the block: its address ends in "&f=1".
inline const QString kLinkStart = QStringLiteral("&f=1\">");
inline const QString kLinkEnd = QStringLiteral("</a>");

// The pages as the engines served them when the program was made: GB18030
// queries, the related block cut by markers and its links by their "&f=1"
// ending, the six ranking pages of the hot lists. Suggestions have no
// classic form: they are asked for and read as in the live layout.
class ClassicLayout final : public PageLayout
{
public:
    explicit ClassicLayout(config::Settings settings);

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

private:
    config::Settings m_settings;
};

// Every piece between a link start marker and the next link end marker, in
// page order, empty ones too; the scan ends at a start marker with no end
// marker after it.
QStringList classicLinkTexts(const QString &block);

} // namespace vantorix::layout
