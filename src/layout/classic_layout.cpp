#include "layout/classic_layout.h"

#include "layout/classic_hotlists.h"
#include "layout/suggestions.h"
#include "web/extract.h"
#include "web/urls.h"

namespace vantorix::layout {

ClassicLayout::ClassicLayout(config::Settings settings) : m_settings(std::move(settings)) {}

QString ClassicLayout::name() const
{
    return QStringLiteral("classic");
}

QUrl ClassicLayout::searchUrl(const QString &keyword) const
{
    return web::searchUrl(m_settings.hosts.search, keyword);
}

std::optional<QUrl> ClassicLayout::retryAddress(const QUrl &, const QString &) const
{
    return std::nullopt;
}

// The engines answered every query when these pages were served.
bool ClassicLayout::throttlesClients() const
{
    return false;
}

bool ClassicLayout::isBlockAddress(const QUrl &) const
{
    return false;
}

bool ClassicLayout::isBlockPage(const QString &) const
{
    return false;
}

bool ClassicLayout::usesSeedMarkers() const
{
    return true;
}

RelatedSearches ClassicLayout::relatedSearches(const QString &pageText,
                                               const QStringList &seedMarkers) const
{
    // Mining must not hang on the publisher's site: without a marker pair the
    // seed is cut like every other query.
    const bool seedPair = seedMarkers.size() >= 2;
    const QString block = web::ExtractBetween(pageText, seedPair ? seedMarkers[0] : kRelatedStart,
                                              seedPair ? seedMarkers[1] : kRelatedEnd);
    return {!block.isEmpty(), classicLinkTexts(block)};
}

QUrl ClassicLayout::suggestUrl(const QString &keyword) const
{
    return suggestionUrl(m_settings.hosts.search, keyword);
}

Suggestions ClassicLayout::suggestions(const QString &answerText) const
{
    return suggestionWords(answerText);
}

std::optional<web::HotlistReading> ClassicLayout::hotlist(const HotwordSource &source) const
{
    return classicHotlist(source, m_settings);
}

QStringList classicLinkTexts(const QString &block)
{
    QStringList texts;
    web::scanBetween(block, kLinkStart, kLinkEnd,
                     [&texts](const QString &piece) { texts.append(piece); });
    return texts;
}

} // namespace vantorix::layout
