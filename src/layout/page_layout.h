#pragma once

#include "config/settings.h"
#include "layout/hotword_sources.h"
#include "web/hotword_fetch.h"

#include <QStringList>
#include <QUrl>
#include <memory>
#include <optional>

namespace vantorix::layout {

// What one result page gives a mining run.
struct RelatedSearches
{
    bool blockFound = false; // the page holds a related-searches block
    // The block's link texts in page order, lower-cased. The harvest's rules
    // (length, filter, duplicates) come after, so empty or short texts may
    // stand here.
    QStringList candidates;
};

// What one answer of the search box's suggestions gives a mining run.
struct Suggestions
{
    bool usable = false; // the answer could be read (it may list nothing)
    QStringList words;   // lower-cased, in order, none blank
};

// Which pages the program reads and how: the query address, how a result
// page becomes the words of its related-searches block, where the search
// box's suggestions come from and how they are read, and how each hot-word
// source is read. Chosen once from the settings; nothing else asks
// which layout is in use, and everything after the cut is shared.
class PageLayout
{
public:
    virtual ~PageLayout() = default;

    // "classic", "live" (today's Baidu) or the engine's name.
    virtual QString name() const = 0;

    // The result page of a keyword.
    virtual QUrl searchUrl(const QString &keyword) const = 0;
    // Where to ask instead, once, when the answer to `asked` is a page that
    // only sends a browser elsewhere.
    virtual std::optional<QUrl> retryAddress(const QUrl &asked, const QString &pageText) const = 0;

    // Whether the engine throttles quick clients: its queries are then paced
    // and retried unless the settings say otherwise.
    virtual bool throttlesClients() const = 0;
    // A redirect to `target` is the engine's block (a captcha), not a page;
    // the fetch stops there.
    virtual bool isBlockAddress(const QUrl &target) const = 0;
    // The page is the engine's block (a verification challenge), not a result page.
    virtual bool isBlockPage(const QString &pageText) const = 0;

    // Whether the seed query is cut with the publisher's marker pair.
    virtual bool usesSeedMarkers() const = 0;
    // The related searches of a result page; `seedMarkers` is the marker
    // page's pair for the seed query and empty for every other query.
    virtual RelatedSearches relatedSearches(const QString &pageText,
                                            const QStringList &seedMarkers) const = 0;

    // Whether the engine's search box suggestions (下拉词) are read; then
    // where they are asked for, and the words of the answer.
    virtual bool hasSuggestions() const { return true; }
    virtual QUrl suggestUrl(const QString &keyword) const = 0;
    virtual Suggestions suggestions(const QString &answerText) const = 0;

    // How the source is read; nullopt when this layout has no such list.
    virtual std::optional<web::HotlistReading> hotlist(const HotwordSource &source) const = 0;
};

// The engines a mining run may read, the default first.
QStringList engineNames();

// The layout the settings ask for. Baidu's is live when every page role
// (search, both hot lists) names a real public host of the two engines, or
// classic for any other host, the sandbox included, unless the settings
// choose; every other engine is read in today's markup only.
std::shared_ptr<const PageLayout> chooseLayout(const config::Settings &settings);

} // namespace vantorix::layout
