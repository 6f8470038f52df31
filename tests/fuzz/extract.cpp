// The section cuts and the marker-block parse on any page and any markers.
// Input: START \n END \n PAGE.
#include "hotwords/extract.h"

#include "fuzz_input.h"
#include "mining/seed_markers.h"

using namespace vantorix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList fields = fuzzTextFields(data, size, 3);
    const QString &start = fields[0], &end = fields[1], &page = fields[2];
    const QString section = hotwords::ExtractBetween(page, start, end);
    FUZZ_CHECK(page.toLower().contains(section));

    // Pieces come in page order, each where the page holds it.
    QString pieces;
    qsizetype from = 0;
    hotwords::scanBetween(page, start, end, [&](const QString &piece) {
        from = page.indexOf(piece, from);
        FUZZ_CHECK(from >= 0);
        from += piece.size();
        if (!piece.isEmpty())
            pieces += piece + QStringLiteral("\r\n");
    });
    FUZZ_CHECK(hotwords::ExtractAllBetween(page, start, end) == pieces);

    for (const QString &marker : mining::parseSeedMarkers(page))
        FUZZ_CHECK(!marker.contains(QStringLiteral("--")));
    return 0;
}
