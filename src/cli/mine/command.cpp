#include "cli/mine/command.h"

#include "cli/command_context.h"
#include "cli/mine/output_harvest.h"
#include "cli/mine/resume.h"
#include "cli/mine/session.h"
#include "cli/mine/sheet.h"
#include "layout/page_layout.h"
#include "list/filters.h"
#include "mining/defaults.h"
#include "mining/fetch_policy.h"
#include "mining/jcf.h"

#include <QCoreApplication>
#include <limits>

namespace vantorix::cli {

namespace {

// Failures in a row that end a run early.
constexpr int kDefaultMaxFailures = 20;

// A number as the window reads its boxes.
config::BoundOption<MineArgs> panelNumber(const char *name, const char *description,
                                          QString MineArgs::*field)
{
    return {{QLatin1String(name), QStringLiteral("N"), QLatin1String(description)},
            [field](MineArgs &args, const QString &value) -> Result<> {
                if (!list::parseFlooredNumber(value))
                    return failure(config::notANumber(value, std::numeric_limits<int>::min(),
                                                      std::numeric_limits<int>::max()));
                args.*field = value;
                return {};
            }};
}

Result<> setMarkers(MineArgs &args, const QString &value)
{
    const QStringList markers = value.split(QStringLiteral("--"));
    if (markers.size() < 2)
        return failure(QCoreApplication::translate("mine", "'%1' is not START--END").arg(value));
    args.markers = markers;
    return {};
}

Result<> setFormat(MineArgs &args, const QString &value)
{
    args.formatName = value;
    args.format = parseRecordFormat(value);
    args.sheet = spreadsheet::parseSheetFormat(value);
    if (!args.format && !args.sheet)
        return failure(
            config::notOneOf(value, recordFormatNames() + QStringList{QStringLiteral("xlsx"),
                                                                      QStringLiteral("csv")}));
    return {};
}

// "baidu,sogou": engine names, each once, in their order; "all": every engine.
std::optional<QStringList> parseEngines(const QString &value)
{
    if (value == QLatin1String("all"))
        return layout::engineNames();
    QStringList engines;
    for (const QString &name : value.split(u',')) {
        if (!layout::engineNames().contains(name.trimmed()))
            return std::nullopt;
        if (!engines.contains(name.trimmed()))
            engines.append(name.trimmed());
    }
    return engines;
}

} // namespace

QString MineCommand::summary() const
{
    return QCoreApplication::translate("mine", "mine long-tail keywords from a seed keyword");
}

QString MineCommand::details() const
{
    return QCoreApplication::translate(
        "mine", "Queries web search for SEED (default 减肥), takes the related searches of the\n"
                "result page, and queries each new keyword in turn, generation after\n"
                "generation, until nothing new turns up, the limit is reached or Ctrl-C is\n"
                "pressed (the query in flight finishes, the results are printed; a second\n"
                "Ctrl-C aborts with status 130). On Unix, SIGTERM and SIGHUP stop a run as\n"
                "Ctrl-C does. Each accepted keyword is printed on its own line as it is\n"
                "found; a line break inside a keyword is printed as a space (tsv and json\n"
                "escape it, --raw keeps it). Progress goes to standard error, and so does\n"
                "each query that failed, with its cause; the run then ends with \"N queries\n"
                "failed\". The first failed write to standard output ends the run.\n"
                "The seed page is cut with the markers of the publisher's marker page, or\n"
                "with --markers; without a usable pair the built-in markers are used.\n"
                "--concurrency N fetches up to N queries ahead; the output is the same.\n"
                "A captcha or verification page in place of a result page is a block:\n"
                "each is reported, the query is tried again after a back-off (--retries),\n"
                "and a query that stays blocked harvests nothing. The run ends with a\n"
                "summary: queries, blocks, failures, keywords, the pace and, with\n"
                "--proxies, each proxy's counts (--quiet leaves it out).\n"
                "\n"
                "--engine sogou|so360 reads Sogou's or 360's result pages instead of\n"
                "Baidu's (hosts: --sogou-search-host, --so360-search-host); suggestions\n"
                "are read from Baidu only. Several engines (--engine baidu,sogou or all)\n"
                "are mined in one run: each keyword is asked of each engine in the order\n"
                "given, each engine with its own pace, back-off and cookies; a keyword\n"
                "two engines list is found once, on the engine asked first. The output\n"
                "is in that order at any --concurrency; tsv and json add the engine, and\n"
                "the summary has a line for each engine.\n"
                "Sources: --source related (the default) reads each keyword's related\n"
                "searches; suggest reads the search box's suggestions (下拉词,\n"
                "/sugrec?prod=pc&wd=); both reads the related searches, then the\n"
                "suggestions of each keyword. Each is one query. --expand az|questions|both\n"
                "also queries variants of the seed and of each first-generation keyword:\n"
                "the keyword, a space and each letter a-z, and the keyword with each of\n"
                "怎么 如何 什么 哪里 多少 为什么 before it, then after it. A variant is\n"
                "queried right after its keyword, with the same sources, and what it finds\n"
                "joins its keyword's harvest (the same generation); the variant itself is\n"
                "not a keyword unless a page lists it. In tsv and json the parent is the\n"
                "query that found the keyword and the source is related or suggest.\n"
                "--max-queries N ends the run before query N+1 (every source and variant\n"
                "query counts; retries do not).\n"
                "\n"
                "Resuming: --state FILE records the run after every query. Run the same\n"
                "command again and it goes on where it stopped, asking again the queries\n"
                "that failed or stayed blocked, and ends as a run never interrupted would\n"
                "have. With --output OUT the keywords go into OUT, and a resumed run cuts\n"
                "OUT back to what was recorded: OUT ends as an uninterrupted run writes\n"
                "it. On standard output a killed run may print a query's keywords again\n"
                "when resumed, but never loses one; use --output for long runs. One run\n"
                "at a time per FILE (FILE.lock; a lock left by a killed run is taken\n"
                "over). A FILE saved with another seed, --source, --expand, --limit,\n"
                "--longer-than, --contains, --max-queries, --max-failures, --layout,\n"
                "--seen, --format, --raw, --output or --encoding, or a damaged one, is a\n"
                "usage error; with --format xlsx|csv it is too. --seen FILE (one\n"
                "keyword a line, in --encoding) counts those keywords as found before:\n"
                "they are neither accepted nor queried. A stop signal ends a pace wait,\n"
                "back-off or proxy rest at once.\n"
                "Exit status: 0 when the run ends, 1 when the seed page could not be\n"
                "fetched, the output could not be written, or the --state file is in use\n"
                "or cannot be written, 2 on a usage error, 3 when the run is incomplete\n"
                "because queries failed or stayed blocked, or every proxy kept failing\n"
                "(the output still holds every keyword that was reached).");
}

MineArgs::MineArgs()
    : limit(mining::kDefaultLimitText.toString()),
      longerThan(mining::kDefaultLongerThanText.toString()), maxFailures(kDefaultMaxFailures)
{
}

const config::OptionTable<MineArgs> &MineCommand::optionTable() const
{
    using config::OptionSpec;
    static const config::OptionTable<MineArgs> table = {
        panelNumber(
            "limit",
            QT_TRANSLATE_NOOP("options", "stop querying once N keywords were found (default 1000)"),
            &MineArgs::limit),
        panelNumber("longer-than",
                    QT_TRANSLATE_NOOP("options",
                                      "accept only keywords longer than N characters (default 0)"),
                    &MineArgs::longerThan),
        config::textOption<MineArgs>(
            {QStringLiteral("contains"), QStringLiteral("TEXT"),
             QStringLiteral(QT_TRANSLATE_NOOP(
                 "options", "accept only keywords containing TEXT, ignoring case"))},
            &MineArgs::contains),
        {{QStringLiteral("markers"), QStringLiteral("START--END"),
          QStringLiteral(QT_TRANSLATE_NOOP(
              "options", "markers of the seed page's block instead of the marker page's"))},
         setMarkers},
        config::choiceOption<MineArgs>(
            {QStringLiteral("source"), QStringLiteral("related|suggest|both"),
             QStringLiteral(QT_TRANSLATE_NOOP(
                 "options",
                 "related searches, search-box suggestions, or both (default related)"))},
            &MineArgs::source, mining::parseSource, mining::sourceNames()),
        config::choiceOption<MineArgs>(
            {QStringLiteral("engine"), QStringLiteral("E[,E...]|all"),
             QStringLiteral(QT_TRANSLATE_NOOP(
                 "options",
                 "engines to read: baidu, sogou, so360, a list, or all (default baidu)"))},
            &MineArgs::engines, parseEngines,
            layout::engineNames() + QStringList{QStringLiteral("all")}),
        config::choiceOption<MineArgs>(
            {QStringLiteral("expand"), QStringLiteral("az|questions|both"),
             QStringLiteral(QT_TRANSLATE_NOOP(
                 "options", "also query a-z and question variants of the seed and generation 1"))},
            &MineArgs::expansion, mining::parseExpansion, mining::expansionNames()),
        config::numberOption<MineArgs>(
            {QStringLiteral("max-queries"), QStringLiteral("N"),
             QStringLiteral(
                 QT_TRANSLATE_NOOP("options", "make at most N queries (default 0: no cap)"))},
            &MineArgs::maxQueries, 0, std::numeric_limits<int>::max()),
        config::textOption<MineArgs>(
            {QStringLiteral("state"), QStringLiteral("FILE"),
             QStringLiteral(QT_TRANSLATE_NOOP(
                 "options",
                 "record the run in FILE after every query; resume from it (1 GB max)"))},
            &MineArgs::state),
        config::textOption<MineArgs>(
            {QStringLiteral("seen"), QStringLiteral("FILE"),
             QStringLiteral(QT_TRANSLATE_NOOP(
                 "options", "keywords found before, one a line, not accepted again (1 GB max)"))},
            &MineArgs::seen),
        {{QStringLiteral("format"), QStringLiteral("lines|tsv|json|xlsx|csv"),
          QStringLiteral(QT_TRANSLATE_NOOP(
              "options", "lines: the keyword; tsv/json: keyword, generation, parent, source"))},
         setFormat},
        config::textOption<MineArgs>(
            {QStringLiteral("output"), QStringLiteral("FILE"),
             QStringLiteral(QT_TRANSLATE_NOOP(
                 "options", "write the keywords into FILE (xlsx/csv: with the root group, at the "
                            "end)"))},
            &MineArgs::output),
        config::numberOption<MineArgs>(
            {QStringLiteral("max-failures"), QStringLiteral("K"),
             QStringLiteral(QT_TRANSLATE_NOOP(
                 "options", "end the run after K failed queries in a row (default 20; 0: never)"))},
            &MineArgs::maxFailures, 0, std::numeric_limits<int>::max()),
        config::switchOption<MineArgs>(
            {QStringLiteral("quiet"), QString(),
             QStringLiteral(QT_TRANSLATE_NOOP("options", "no progress on standard error"))},
            &MineArgs::quiet),
    };
    return table;
}

void MineCommand::start(CommandContext &ctx)
{
    const MineArgs &given = args();
    const auto usageError = [&ctx](const QString &message) { ctx.finish(ctx.usageError(message)); };
    MineOptions options;
    mining::MiningInput &input = options.input;
    input.seed = ctx.arguments.value(0, mining::kDefaultSeed.toString());
    input.limitText = given.limit;
    input.minLengthText = given.longerThan;
    // Without --contains the filter is off, as the window's unchecked box.
    input.filterText = given.contains.value_or(mining::kFilterOff);
    if (given.markers) {
        input.seedMarkers = *given.markers;
        options.markersGiven = true;
    }
    if (ctx.raw &&
        (given.sheet || given.format.value_or(RecordFormat::Lines) != RecordFormat::Lines))
        return usageError(
            config::excludeEachOther(QStringLiteral("raw"), QStringLiteral("format")));
    Result<std::optional<MineSheet>> sheet = MineSheet::fromArgs(given.sheet, given.output);
    if (!sheet)
        return usageError(sheet.error());
    options.sheet = std::move(sheet).value();
    options.format = given.format.value_or(RecordFormat::Lines);
    input.source = given.source.value_or(input.source);
    input.expansion = given.expansion.value_or(input.expansion);
    input.maxQueries = given.maxQueries;
    QStringList layoutNames;
    bool suggests = false;
    for (const QString &name : given.engines.value_or(QStringList{ctx.settings.engine})) {
        mining::EngineSetup setup = mining::engineSetup(ctx.settings, name);
        MineEngine engine{name, std::move(setup.layout), std::move(setup.policy)};
        engine.policy.maxFailuresInARow = given.maxFailures;
        layoutNames.append(engine.layout->name());
        suggests = suggests || engine.layout->hasSuggestions();
        options.engines.append(std::move(engine));
    }
    options.namesEngines = given.engines.has_value();
    ctx.settings.engine = options.engines.front().name;
    ctx.layout = options.engines.front().layout;
    if (input.source != mining::SourceChoice::Related && !suggests)
        return usageError(QCoreApplication::translate(
                              "mine", "--source %1: no search-box suggestions are read from %2")
                              .arg(mining::sourceName(input.source), layoutNames.join(u',')));
    options.policy = options.engines.front().policy;
    if (!given.seen.isEmpty()) {
        Result<QStringList> known = readSeenFile(given.seen, ctx.encoding());
        if (!known)
            return ctx.finish(ctx.usageError(known.error()));
        input.knownKeywords = std::move(known).value();
    }
    if (!given.state.isEmpty()) {
        // A resumed run knows only the keywords found since, too few for a sheet.
        if (options.sheet)
            return usageError(config::excludeEachOther(
                QStringLiteral("state"), QStringLiteral("format ") + given.formatName));
        Result<std::shared_ptr<QLockFile>> lock = lockStateFile(given.state);
        if (!lock)
            return ctx.finish(ctx.fail(lock.error()));
        // How the keywords are written decides what a resumed run must write.
        const QList<mining::RunSetting> output{
            {QStringLiteral("--format"), recordFormatNames().at(int(options.format))},
            {QStringLiteral("--raw"), ctx.raw ? QStringLiteral("yes") : QStringLiteral("no")},
            {QStringLiteral("--output"),
             given.output.isEmpty() ? QStringLiteral("(standard output)") : given.output},
            {QStringLiteral("--encoding"), ctx.encoding() == TextEncoding::Gbk
                                               ? QStringLiteral("gbk")
                                               : QStringLiteral("utf-8")}};
        // Records leave to --output the keywords it holds (not with --raw,
        // which writes them only at the end).
        const mining::HarvestReader harvests =
            given.output.isEmpty() || ctx.raw
                ? mining::HarvestReader()
                : outputHarvests(given.output, options.format, ctx.encoding());
        Result<MineResume> resume = prepareResume(given.state, input, options.policy,
                                                  layoutNames.join(u','), output, harvests);
        if (!resume)
            return usageError(resume.error());
        options.resume = std::move(resume).value();
        options.resume->lock = std::move(lock).value();
    }
    if (!options.sheet && !given.output.isEmpty())
        options.outputPath = given.output;
    options.raw = ctx.raw;
    options.quiet = given.quiet;
    if (options.sheet) {
        if (const Result<> writable = options.sheet->checkOutput(); !writable)
            return ctx.finish(ctx.fail(writable.error()));
    }

    auto *session = new MineSession(ctx, std::move(options));
    session->begin();
}

} // namespace vantorix::cli
