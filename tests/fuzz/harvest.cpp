// The harvest of a classic related-searches block against a seen-list, and
// the seen-list's index against the plain text search it stands in for.
// Input: MIN-LENGTH \n FILTER \n SEEN-LIST \n BLOCK; the seen-list is
// appended in chunks cut at each \x1F, as a run appends harvests.
#include "fuzz_input.h"
#include "layout/classic_layout.h"
#include "list/filters.h"
#include "list/keyword_list.h"
#include "mining/jcf.h"

using namespace vantorix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList fields = fuzzTextFields(data, size, 4);
    const mining::HarvestRules rules{list::parseFlooredNumber(fields[0]).value_or(0), fields[1]};
    mining::SeenKeywords seen;
    for (const QString &chunk : fields[2].split(QChar(0x1F)))
        seen.append(chunk);
    const QStringList links = layout::classicLinkTexts(fields[3]);

    QStringList accepted;
    const QString harvest =
        mining::jcf(links, rules, seen, [&](const QString &word) { accepted.append(word); });
    FUZZ_CHECK(harvest == list::joinList(accepted));
    for (const QString &word : accepted)
        FUZZ_CHECK(word.size() > rules.minLength && mining::passesFilter(word, rules.filterText));
    for (const QString &word : links) {
        const QString framed = list::kSeparator + word + list::kSeparator;
        FUZZ_CHECK(seen.containsFramed(word) == seen.text().contains(framed, Qt::CaseInsensitive));
    }
    return 0;
}
