#include "layout/classic_layout.h"

#include "hotwords/extract.h"
#include "hotwords/urls.h"
#include "layout/suggestions.h"

namespace vantorix::layout {

ClassicLayout::ClassicLayout(config::Settings settings) : m_settings(std::move(settings)) {}

QString ClassicLayout::name() const
{
    return QStringLiteral("classic");
}

QUrl ClassicLayout::searchUrl(const QString &keyword) const
{
    return hotwords::searchUrl(m_settings.hosts.search, keyword);
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
    const QString block =
        hotwords::ExtractBetween(pageText, seedPair ? seedMarkers[0] : kRelatedStart,
                                 seedPair ? seedMarkers[1] : kRelatedEnd);
    return {!block.isEmpty(), classicLinkTexts(block)};
}

QUrl ClassicLayout::suggestUrl(const QString &keyword) const
{
    return suggestionUrl(m_settings.hosts.search, keyword);
}

QStringList ClassicLayout::suggestions(const QString &answerText) const
{
    return suggestionWords(answerText);
}

std::optional<hotwords::HotlistReading>
ClassicLayout::hotlist(const hotwords::HotwordSource &source) const
{
    return hotwords::HotlistReading{hotwords::sourceUrl(source, m_settings),
                                    [source, settings = m_settings](const QString &page) {
                                        return hotwords::wordList(page, source, settings);
                                    }};
}

QStringList classicLinkTexts(const QString &block)
{
    QStringList texts;
    hotwords::scanBetween(block, kLinkStart, kLinkEnd,
                          [&texts](const QString &piece) { texts.append(piece); });
    return texts;
}

} // namespace vantorix::layout
