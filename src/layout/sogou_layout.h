#pragma once

#include "layout/engine_layout.h"

namespace vantorix::layout {

// Sogou web search: the words of every hint table captioned 相关搜索 (the
// page's other hint tables, such as 大家还在搜, are passed over).
class SogouLayout final : public EngineLayout
{
public:
    explicit SogouLayout(const config::HostSettings &hosts);

    QString name() const override;
    RelatedSearches relatedSearches(const QString &pageText,
                                    const QStringList &seedMarkers) const override;

protected:
    bool holdsResults(const QString &pageText) const override;
};

} // namespace vantorix::layout
