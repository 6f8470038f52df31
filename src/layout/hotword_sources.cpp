#include "layout/hotword_sources.h"

namespace vantorix::layout {

const std::vector<HotwordSource> &hotwordSources()
{
    static const std::vector<HotwordSource> sources = {
        {QStringLiteral("baidu-today"), QStringLiteral("百度今日热词")},
        {QStringLiteral("baidu-week"), QStringLiteral("百度一周热词")},
        {QStringLiteral("sogou-today"), QStringLiteral("搜狗今日热词")},
        {QStringLiteral("sogou-week"), QStringLiteral("搜狗一周热词")},
        {QStringLiteral("baidu-new"), QStringLiteral("最近火热新词")},
        {QStringLiteral("baidu-lastmonth"), QStringLiteral("上月火热新词")},
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

} // namespace vantorix::layout
