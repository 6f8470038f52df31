#include "web/sources.h"

#include "config/host_check.h"
#include "web/extract.h"
#include "web/urls.h"

namespace vantorix::web {

namespace {

const QString kLast24Hours = QStringLiteral("最近24小时搜索量");
const QString kLast7Days = QStringLiteral("最近七日");
const QString kTodaysSearches = QStringLiteral("今日搜索");
const QString kTableEnd = QStringLiteral("</table>");
const QString kHtmlEnd = QStringLiteral("</HTML>");

// The end of an anchor's opening tag: an attribute value in double quotes,
// then target="_blank".
const QString kAnchorStart = QStringLiteral("\" target=\"_blank\">");
const QString kAnchorEnd = QStringLiteral("</a>");
const QString kCellEnd = QStringLiteral("</td>");
const QString kCellTextStart = QStringLiteral("\">");

} // namespace

const std::vector<HotwordSource> &hotwordSources()
{
    static const std::vector<HotwordSource> sources = {
        {QStringLiteral("Option3"), QStringLiteral("百度今日热词"), QStringLiteral("baidu-today"),
         HotlistHost::Baidu, "/buzz/top10.html", kLast24Hours, kTableEnd, ItemLayout::Anchor},
        {QStringLiteral("Option4"), QStringLiteral("百度一周热词"), QStringLiteral("baidu-week"),
         HotlistHost::Baidu, "/buzz/weekhotspot.html", kLast7Days, kTableEnd, ItemLayout::Anchor},
        {QStringLiteral("Option1"), QStringLiteral("搜狗今日热词"), QStringLiteral("sogou-today"),
         HotlistHost::Sogou, "/000002.html", kTodaysSearches, kHtmlEnd, ItemLayout::Cell},
        {QStringLiteral("Option2"), QStringLiteral("搜狗一周热词"), QStringLiteral("sogou-week"),
         HotlistHost::Sogou, "/000001.html", kTodaysSearches, kHtmlEnd, ItemLayout::Cell},
        {QStringLiteral("Option5"), QStringLiteral("最近火热新词"), QStringLiteral("baidu-new"),
         HotlistHost::Baidu, "/buzz/shijian.html", kLast7Days, kTableEnd, ItemLayout::Anchor},
        {QStringLiteral("Option6"), QStringLiteral("上月火热新词"),
         QStringLiteral("baidu-lastmonth"), HotlistHost::Baidu, "/buzz/shijian_lastmonth.html",
         kLast7Days, kTableEnd, ItemLayout::Anchor},
    };
    return sources;
}

const HotwordSource *sourceByName(const QString &name)
{
    for (const HotwordSource &source : hotwordSources()) {
        if (source.name == name)
            return &source;
    }
    return nullptr;
}

QUrl sourceUrl(const HotwordSource &source, const config::Settings &settings)
{
    const QString &host =
        source.host == HotlistHost::Baidu ? settings.hosts.hotlist : settings.hosts.sogouHotlist;
    return pageUrl(host, source.path);
}

QString wordList(const QString &pageText, const HotwordSource &source,
                 const config::Settings &settings)
{
    const QString section = ExtractBetween(pageText, source.sectionStart, source.sectionEnd);
    if (source.layout == ItemLayout::Anchor)
        return ExtractAllBetween(section, kAnchorStart, kAnchorEnd);
    const QString cellStart = QStringLiteral("<td><a href=\"") +
                              config::baseAddress(settings.hosts.sogouSearch) +
                              QStringLiteral("/web");
    const QString cells = ExtractAllBetween(section, cellStart, kCellEnd);
    return ExtractAllBetween(cells, kCellTextStart, kAnchorEnd);
}

} // namespace vantorix::web
