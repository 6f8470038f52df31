#include "layout/sogou_layout.h"

#include "layout/live_markup.h"

namespace vantorix::layout {

namespace {

const QString kHintTable = QStringLiteral("id=\"hint_container\"");
const QString kRelatedCaption = QStringLiteral("相关搜索");

} // namespace

SogouLayout::SogouLayout(const config::HostSettings &hosts)
    : EngineLayout(engineHost(hosts.sogouSearch, config::HostSettings().sogouSearch,
                              QStringLiteral("https://www.sogou.com")),
                   QStringLiteral("/web?query=%1&ie=utf8"))
{
}

QString SogouLayout::name() const
{
    return QStringLiteral("sogou");
}

RelatedSearches SogouLayout::relatedSearches(const QString &pageText, const QStringList &) const
{
    RelatedSearches related;
    for (qsizetype open = openingTag(pageText, u"table", kHintTable); open >= 0;
         open = openingTag(pageText, u"table", kHintTable, open + 1)) {
        const QString table = pageText.mid(open, elementEnd(pageText, open) - open);
        if (elementText(table, u"caption") != kRelatedCaption)
            continue;
        related.blockFound = true;
        related.candidates += linkTexts(table);
    }
    return related;
}

bool SogouLayout::holdsResults(const QString &pageText) const
{
    return pageText.contains(QLatin1String("class=\"vrwrap")) ||
           pageText.contains(QLatin1String("class=\"rb")) ||
           openingTag(pageText, u"table", kHintTable) >= 0;
}

} // namespace vantorix::layout
