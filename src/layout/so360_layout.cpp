#include "layout/so360_layout.h"

#include "layout/live_markup.h"

namespace vantorix::layout {

So360Layout::So360Layout(const config::HostSettings &hosts)
    : EngineLayout(engineHost(hosts.so360Search, config::HostSettings().so360Search,
                              QStringLiteral("https://www.so.com")),
                   QStringLiteral("/s?q=%1"))
{
}

QString So360Layout::name() const
{
    return QStringLiteral("so360");
}

RelatedSearches So360Layout::relatedSearches(const QString &pageText, const QStringList &) const
{
    RelatedSearches related;
    // Only the table: the heading above it holds a feedback link.
    const qsizetype rs = openingTag(pageText, u"div", u"id=\"rs\"");
    const qsizetype table = rs < 0 ? -1 : openingTag(pageText, u"table", {}, rs);
    if (table >= 0 && table < elementEnd(pageText, rs)) {
        related.blockFound = true;
        related.candidates += linkTexts(pageText.mid(table, elementEnd(pageText, table) - table));
    }
    const qsizetype middle = openingTag(pageText, u"div", u"data-logmod=\"related_middle\"");
    if (middle >= 0) {
        related.blockFound = true;
        related.candidates +=
            linkTexts(pageText.mid(middle, elementEnd(pageText, middle) - middle));
    }
    related.candidates.removeDuplicates();
    return related;
}

bool So360Layout::holdsResults(const QString &pageText) const
{
    return pageText.contains(QLatin1String("class=\"res-list")) ||
           openingTag(pageText, u"div", u"id=\"rs\"") >= 0;
}

} // namespace vantorix::layout
