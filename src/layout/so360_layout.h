#pragma once

#include "layout/engine_layout.h"

namespace vantorix::layout {

// 360 Search: the words of the #rs table, then those of the in-results
// "其他人还搜了" block, each once.
class So360Layout final : public EngineLayout
{
public:
    explicit So360Layout(const config::HostSettings &hosts);

    QString name() const override;
    RelatedSearches relatedSearches(const QString &pageText,
                                    const QStringList &seedMarkers) const override;

protected:
    bool holdsResults(const QString &pageText) const override;
};

} // namespace vantorix::layout
