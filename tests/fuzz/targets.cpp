// Every fuzz target, each a property that must hold on any input. An input is
// fields cut at the first line feeds (missing fields are empty), so seeds are
// plain text files. FUZZ_TARGET names the target to run; with libFuzzer this
// is the fuzzer's entry point, in the normal build a replay of kept inputs.
#include "config/host_check.h"
#include "config/proxy_list.h"
#include "config/settings.h"
#include "layout/classic_layout.h"
#include "layout/json_fields.h"
#include "layout/live_hotlists.h"
#include "layout/live_layout.h"
#include "layout/live_markup.h"
#include "layout/suggestions.h"
#include "list/filters.h"
#include "list/keyword_list.h"
#include "list/root_groups.h"
#include "list_tool_pairs.h"
#include "mining/jcf.h"
#include "mining/seed_markers.h"
#include "mining/state_file.h"
#include "sandbox/sandbox_options.h"
#include "web/charset.h"
#include "web/extract.h"
#include "web/urls.h"

#include <QDirIterator>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <numeric>

using namespace vantorix;

namespace {

QByteArrayList fields(QByteArray rest, int count)
{
    QByteArrayList cut;
    for (qsizetype lf; cut.size() < count - 1; rest = lf < 0 ? QByteArray() : rest.mid(lf + 1)) {
        lf = rest.indexOf('\n');
        cut.append(lf < 0 ? rest : rest.left(lf));
    }
    return cut << rest;
}

QStringList textFields(const QByteArray &input, int count)
{
    QStringList text;
    for (const QByteArray &field : fields(input, count))
        text.append(QString::fromUtf8(field));
    return text;
}

// A broken property is a crash, which the fuzzer keeps and the replay reports.
void check(bool holds, const char *what, int line)
{
    if (!holds) {
        std::fprintf(stderr, "targets.cpp:%d: %s does not hold\n", line, what);
        std::abort();
    }
}
#define CHECK(condition) check(condition, #condition, __LINE__)

// The section cuts and the marker-block parse. Input: START \n END \n PAGE.
void extract(const QByteArray &input)
{
    const QStringList f = textFields(input, 3);
    const QString &start = f[0], &end = f[1], &page = f[2];
    CHECK(page.toLower().contains(web::ExtractBetween(page, start, end)));
    // Pieces come in page order, each where the page holds it.
    QString pieces;
    qsizetype from = 0;
    web::scanBetween(page, start, end, [&](const QString &piece) {
        from = page.indexOf(piece, from);
        CHECK(from >= 0);
        from += piece.size();
        if (!piece.isEmpty())
            pieces += piece + QStringLiteral("\r\n");
    });
    CHECK(web::ExtractAllBetween(page, start, end) == pieces);
    for (const QString &marker : mining::parseSeedMarkers(page))
        CHECK(!marker.contains(QStringLiteral("--")));
}

// The harvest of a classic block against a seen-list appended in chunks cut
// at each \x1F, and the seen-list's index against the text search it stands
// in for. Input: MIN-LENGTH \n FILTER \n SEEN-LIST \n BLOCK.
void harvest(const QByteArray &input)
{
    const QStringList f = textFields(input, 4);
    const mining::HarvestRules rules{list::parseFlooredNumber(f[0]).value_or(0), f[1]};
    mining::SeenKeywords seen;
    for (const QString &chunk : f[2].split(QChar(0x1F)))
        seen.append(chunk);
    const QStringList links = layout::classicLinkTexts(f[3]);
    QStringList accepted;
    const QString harvest = mining::jcf(links, rules, seen, [&](const QString &word) {
        CHECK(word.size() > rules.minLength && mining::passesFilter(word, rules.filterText));
        accepted.append(word);
    });
    CHECK(harvest == list::joinList(accepted));
    for (const QString &word : links) {
        const QString framed = list::kSeparator + word + list::kSeparator;
        CHECK(seen.containsFramed(word) == seen.text().contains(framed, Qt::CaseInsensitive));
    }
}

// Charset detection and decoding. Input: CONTENT-TYPE \n BODY.
void charset(const QByteArray &input)
{
    const QByteArrayList f = fields(input, 2);
    const QByteArray &contentType = f[0], &body = f[1];
    const QByteArray declared = web::declaredCharset(contentType, body);
    const web::DecodedPage page = web::decodePage(body, contentType);
    // A body read without a fault is its text, byte for byte.
    if (!page.malformed && !body.startsWith("\xEF\xBB\xBF")) {
        if (declared == "utf-8")
            CHECK(page.text.toUtf8() == body);
        if (declared.isEmpty() || declared == "gbk")
            CHECK(QStringEncoder("GB18030").encode(page.text) == body);
    }
}

// Today's pages: the related block's words (tags stripped, entities decoded),
// the s-data and hot_ranks JSON readers and the field reader under them.
// Input: KEY \n PAGE.
void live(const QByteArray &input)
{
    const QStringList f = textFields(input, 2);
    const QString &key = f[0], &page = f[1];
    const layout::LiveLayout live{config::HostSettings()};
    for (const QString &word : live.relatedSearches(page, {}).candidates)
        CHECK(!word.isEmpty() && word == layout::liveWord(word));
    for (const QString &word : layout::relatedDataWords(page))
        CHECK(word == layout::liveWord(word));
    (void)layout::boardWordList(page);
    (void)layout::hotRanksWordList(page);
    (void)layout::isHttpsShellPage(page);
    for (const QString &word : layout::suggestionWords(page).words)
        CHECK(word == word.toLower() && !word.trimmed().isEmpty());
    // A field whole before the cut reads the same from the cut-off text.
    const QStringList whole = layout::stringFields(page, key);
    const QStringList cut = layout::stringFields(QStringView(page).left(page.size() / 2), key);
    CHECK(whole.mid(0, cut.size()) == cut);
    const QString plain = QString(page).remove(QLatin1Char('&'));
    CHECK(layout::decodeEntities(plain) == plain);
}

// The list tools, line by line and on the list text (--raw): the command
// line's byte engine against the window's QString tools. Input: NEEDLE \n TEXT.
void listTools(const QByteArray &input)
{
    const QByteArrayList f = fields(input, 2);
    const std::optional<QString> difference = listToolsDisagree(f[1], {QString::fromUtf8(f[0])});
    if (difference)
        std::fprintf(stderr, "%s\n", qPrintable(*difference));
    CHECK(!difference);
}

// The option parser with the network options and the sandbox's table: a
// host that passes the check makes a usable address, and a number box reads
// any text. Input: arguments separated by NUL bytes.
void options(const QByteArray &input)
{
    QStringList arguments;
    for (const QByteArray &word : input.split('\0'))
        arguments.append(QString::fromUtf8(word));
    QList<config::OptionSpec> specs = config::settingsOptions();
    specs += {config::helpOption(), config::versionOption(), {QStringLiteral("raw"), {}, {}}};
    if (const Result<config::ParsedOptions> given = config::parseOptions(arguments, specs)) {
        config::Settings settings;
        if (config::applySettingsFlags(settings, *given))
            CHECK(settings.timeoutSeconds >= 1 && settings.concurrency >= 0); // 0: one per proxy
    }
    (void)sandbox::parseSandboxArguments(arguments);
    for (const QString &word : arguments) {
        if (config::checkHost(word)) {
            const QUrl url = web::searchUrl(word, QStringLiteral("减肥"));
            CHECK(url.isValid() && !url.host().isEmpty());
        }
        (void)list::parseFlooredNumber(word);
    }
}

// Grouping by root: every keyword lands in exactly one group, and the list
// tool keeps exactly the list's keywords. Input: the list text.
void rootGroups(const QByteArray &input)
{
    const QString text = QString::fromUtf8(input);
    const QStringList pieces = list::splitList(text);
    const QList<QStringView> keywords(pieces.cbegin(), pieces.cend());
    const Result<QList<list::RootGroup>> groups =
        list::groupByRoot(keywords, 1 + int(input.size() % 4));
    CHECK(bool(groups));
    QList<qsizetype> placed, all(keywords.size());
    for (const list::RootGroup &group : *groups)
        placed += group.keywords;
    std::sort(placed.begin(), placed.end());
    std::iota(all.begin(), all.end(), 0);
    CHECK(placed == all);
    const Result<QString> regrouped = list::groupListText(text);
    CHECK(bool(regrouped));
    QStringList before = pieces, after = list::splitList(*regrouped);
    before.removeAll(QString());
    after.removeAll(QString());
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    CHECK(before == after);
}

// The file readers read a file holding the input.
QString inputFile(const QByteArray &input, const QString &name)
{
    static const QTemporaryDir dir;
    QFile file(dir.filePath(name));
    CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
          file.write(input) == input.size());
    return file.fileName();
}

// The proxies file: every proxy read makes an address with a host.
void proxies(const QByteArray &input)
{
    const QString path = inputFile(input, QStringLiteral("proxies"));
    if (const Result<QStringList> read = config::readProxyList(path)) {
        CHECK(!read->isEmpty());
        for (const QString &proxy : *read) {
            const QUrl url(proxy);
            CHECK(url.isValid() && !url.host().isEmpty());
        }
    }
}

// The resume state file: a file that loads saves and loads again as it was.
void stateFile(const QByteArray &input)
{
    const auto loaded = mining::loadSavedRun(inputFile(input, QStringLiteral("state")));
    if (!loaded || !*loaded)
        return;
    const mining::RunCheckpoint &at = (*loaded)->checkpoint;
    // The position counts planned queries (a keyword may give several), so
    // only the run that plans them can tell whether it fits.
    CHECK(at.generation >= 0 && at.position >= 0);
    const QString again = inputFile({}, QStringLiteral("again"));
    CHECK(bool(mining::saveRun(again, **loaded)));
    const auto reloaded = mining::loadSavedRun(again);
    CHECK(reloaded && *reloaded && (*reloaded)->settings == (*loaded)->settings &&
          (*reloaded)->checkpoint.keywords == at.keywords &&
          (*reloaded)->checkpoint.seenList == at.seenList);
}

using Target = void (*)(const QByteArray &);
const std::map<QByteArray, Target> kTargets{{"extract", extract},        {"harvest", harvest},
                                            {"charset", charset},        {"live", live},
                                            {"list_tools", listTools},   {"options", options},
                                            {"root_groups", rootGroups}, {"proxies", proxies},
                                            {"state", stateFile}};

} // namespace

#ifdef FUZZ_REPLAY
// Feeds every file under FOLDER/TARGET to TARGET once, so the inputs the
// fuzzer once crashed on stay fixed. Usage: fuzz_replay FOLDER
int main(int argc, char *argv[])
{
    int replayed = 0;
    for (const auto &[name, run] : kTargets) {
        const QString folder = QString::fromLocal8Bit(argv[argc - 1]) + u'/' + QLatin1String(name);
        for (QDirIterator files(folder, QDir::Files); files.hasNext(); ++replayed) {
            QFile file(files.next());
            std::fprintf(stderr, "%s\n", qPrintable(file.fileName()));
            if (!file.open(QIODevice::ReadOnly))
                return 1;
            run(file.readAll());
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
#else
// The target comes from FUZZ_TARGET in the environment (tests/fuzz/run.sh).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Target run = [] {
        const auto found = kTargets.find(qgetenv("FUZZ_TARGET"));
        if (found == kTargets.end()) {
            std::fprintf(stderr, "FUZZ_TARGET names no target\n");
            std::exit(2);
        }
        return found->second;
    }();
    run(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
#endif
