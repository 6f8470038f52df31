#include "mining/seed_markers.h"

#include "hotwords/extract.h"
#include "layout/classic_layout.h"

namespace vantorix::mining {

QStringList parseSeedMarkers(const QString &pageBody)
{
    const QString block =
        hotwords::ExtractBetween(pageBody, QStringLiteral("[[v3.3--"), QStringLiteral("]]"));
    if (block.isEmpty())
        return {};
    return block.split(QStringLiteral("--"), Qt::KeepEmptyParts);
}

QStringList builtinSeedMarkers()
{
    return {layout::kRelatedStart, layout::kRelatedEnd};
}

} // namespace vantorix::mining
