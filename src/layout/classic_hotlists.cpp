#include "layout/classic_hotlists.h"

#include "config/host_check.h"
#include "web/extract.h"
#include "web/urls.h"

namespace vantorix::layout {

namespace {

// How the words sit in a ranking table.
enum class ItemLayout {
    Anchor, // the text of every <a ... target="_blank"> anchor
    Cell,   // the anchor text of every cell that links to the Sogou web search
};

enum class HotlistHost { Baidu, Sogou };

struct ClassicPage
{
    const char16_t *name;
    HotlistHost host;
    const char *path;
    const char16_t *sectionStart;
    const char16_t *sectionEnd;
    ItemLayout layout;
};

constexpr const char16_t *kLast24Hours = u"最近24小时搜索量";
constexpr const char16_t *kLast7Days = u"最近七日";
constexpr const char16_t *kTodaysSearches = u"今日搜索";
constexpr const char16_t *kTableEnd = u"</table>";
constexpr const char16_t *kHtmlEnd = u"</HTML>";

constexpr ClassicPage kPages[] = {
    {u"baidu-today", HotlistHost::Baidu, "/buzz/top10.html", kLast24Hours, kTableEnd,
     ItemLayout::Anchor},
    {u"baidu-week", HotlistHost::Baidu, "/buzz/weekhotspot.html", kLast7Days, kTableEnd,
     ItemLayout::Anchor},
    {u"sogou-today", HotlistHost::Sogou, "/000002.html", kTodaysSearches, kHtmlEnd,
     ItemLayout::Cell},
    {u"sogou-week", HotlistHost::Sogou, "/000001.html", kTodaysSearches, kHtmlEnd,
     ItemLayout::Cell},
    {u"baidu-new", HotlistHost::Baidu, "/buzz/shijian.html", kLast7Days, kTableEnd,
     ItemLayout::Anchor},
    {u"baidu-lastmonth", HotlistHost::Baidu, "/buzz/shijian_lastmonth.html", kLast7Days, kTableEnd,
     ItemLayout::Anchor},
};

// The end of an anchor's opening tag: an attribute value in double quotes,
// then target="_blank".
const QString kAnchorStart = QStringLiteral("\" target=\"_blank\">");
const QString kAnchorEnd = QStringLiteral("</a>");
const QString kCellEnd = QStringLiteral("</td>");
const QString kCellTextStart = QStringLiteral("\">");

const ClassicPage *pageOf(const HotwordSource &source)
{
    for (const ClassicPage &page : kPages) {
        if (source.name == QStringView(page.name))
            return &page;
    }
    return nullptr;
}

QString wordsOfPage(const QString &pageText, const ClassicPage &page, const QString &sogouSearch)
{
    const QString section = web::ExtractBetween(pageText, QString::fromUtf16(page.sectionStart),
                                                QString::fromUtf16(page.sectionEnd));
    if (page.layout == ItemLayout::Anchor)
        return web::ExtractAllBetween(section, kAnchorStart, kAnchorEnd);
    const QString cellStart = QStringLiteral("<td><a href=\"") + config::baseAddress(sogouSearch) +
                              QStringLiteral("/web");
    const QString cells = web::ExtractAllBetween(section, cellStart, kCellEnd);
    return web::ExtractAllBetween(cells, kCellTextStart, kAnchorEnd);
}

} // namespace

std::optional<web::HotlistReading> classicHotlist(const HotwordSource &source,
                                                  const config::Settings &settings)
{
    const ClassicPage *page = pageOf(source);
    if (!page)
        return std::nullopt;
    const QString &host =
        page->host == HotlistHost::Baidu ? settings.hosts.hotlist : settings.hosts.sogouHotlist;
    return web::HotlistReading{
        web::pageUrl(host, page->path),
        [page, sogouSearch = settings.hosts.sogouSearch](const QString &text) {
            return wordsOfPage(text, *page, sogouSearch);
        }};
}

QString classicWordList(const QString &pageText, const HotwordSource &source,
                        const config::Settings &settings)
{
    const ClassicPage *page = pageOf(source);
    return page ? wordsOfPage(pageText, *page, settings.hosts.sogouSearch) : QString();
}

} // namespace vantorix::layout
