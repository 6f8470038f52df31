// Today's pages on any text: the related block's words (tags stripped,
// entities decoded), the s-data and hot_ranks JSON readers, and the field
// reader under them. Input: KEY \n PAGE.
#include "fuzz_input.h"
#include "layout/json_fields.h"
#include "layout/live_hotlists.h"
#include "layout/live_layout.h"
#include "layout/live_markup.h"

using namespace vantorix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList fields = fuzzTextFields(data, size, 2);
    const QString &key = fields[0], &page = fields[1];
    const layout::LiveLayout live{config::HostSettings()};
    for (const QString &word : live.relatedSearches(page, {}).candidates)
        FUZZ_CHECK(!word.isEmpty() && word == layout::liveWord(word));
    for (const QString &word : layout::relatedDataWords(page))
        FUZZ_CHECK(word == layout::liveWord(word));
    (void)layout::boardWordList(page);
    (void)layout::hotRanksWordList(page);
    (void)layout::isHttpsShellPage(page);

    // A field whole before the cut reads the same from the cut-off text.
    const QStringList whole = layout::stringFields(page, key);
    const QStringList cut = layout::stringFields(QStringView(page).left(page.size() / 2), key);
    FUZZ_CHECK(whole.mid(0, cut.size()) == cut);
    const QString plain = QString(page).remove(QLatin1Char('&'));
    FUZZ_CHECK(layout::decodeEntities(plain) == plain);
    return 0;
}
