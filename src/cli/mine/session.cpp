#include "cli/mine/session.h"

#include "cli/command_context.h"
#include "cli/interrupt.h"
#include "cli/mine/output_harvest.h"
#include "cli/mine/summary.h"
#include "mining/jcf.h"
#include "mining/readouts.h"
#include "mining/seed_markers.h"
#include "web/page_fetcher.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <optional>

namespace vantorix::cli {

namespace {

// Why the seed query will find nothing (or too much), when the markers say so.
std::optional<QString> seedMarkersWarning(const QStringList &markers)
{
    if (markers.size() < 2)
        return std::nullopt; // the built-in markers stand in
    if (markers.at(0).isEmpty())
        return QStringLiteral(
            "the seed's start marker is empty, so the seed page yields no keyword");
    if (markers.at(1).isEmpty())
        return QStringLiteral(
            "the seed's end marker is empty, so the seed block runs to the end of the page");
    return std::nullopt;
}

} // namespace

MineSession::MineSession(CommandContext &ctx, MineOptions options)
    : QObject(ctx.parent()), m_ctx(ctx), m_options(std::move(options)),
      m_fetcher(new web::PageFetcher(ctx.settings, this)), m_progress(ctx.err())
{
}

void MineSession::begin()
{
    if (!m_options.outputPath.isEmpty()) {
        // A resumed run cuts off what was written after its last record.
        const bool resumed = m_options.resume && m_options.resume->from && !m_options.raw;
        Result<std::unique_ptr<KeywordFile>> file = KeywordFile::open(
            m_options.outputPath, resumed ? m_options.resume->committed : -1, m_ctx.encoding());
        if (!file)
            return m_ctx.finish(m_ctx.fail(file.error()));
        m_file = std::move(file).value();
    }
    if (m_options.resume)
        m_journal = std::make_unique<mining::RunJournal>(
            m_options.resume->path, m_options.resume->settings,
            m_file && m_file->readsBack() ? m_options.resume->harvests : mining::HarvestReader());
    if (!m_options.quiet) {
        QStringList layouts;
        for (const MineEngine &engine : std::as_const(m_options.engines))
            layouts.append(engine.layout->name());
        m_ctx.announceLayout(layouts.size() > 1 ? layouts : QStringList());
    }
    m_ctx.onInterrupt([this] {
        m_stopped = true;
        if (!m_run->isActive()) {
            m_ctx.finish(0); // still reading the marker page: nothing mined yet
            return;
        }
        note(QCoreApplication::translate(
            "mine", "stopping after the query in flight (Ctrl-C again to abort)"));
        m_run->requestStop();
    });
    if (m_options.input.seed.isEmpty())
        warn(QCoreApplication::translate(
            "mine", "the seed is empty, so the first query asks for the empty keyword"));
    createRun();
    const mining::RunCheckpoint *from =
        m_options.resume && m_options.resume->from ? &*m_options.resume->from : nullptr;
    if (m_options.markersGiven || !m_run->needsSeedMarkers(from)) {
        startRun(m_options.input.seedMarkers);
        return;
    }
    mining::fetchSeedMarkers(
        *m_fetcher, m_ctx.settings.hosts.publisher, this,
        [this](const Result<QStringList> &markers) {
            // Mining goes on without the publisher's page: the seed is then
            // cut with the markers of every other query.
            if (!markers)
                note(QCoreApplication::translate("mine", "marker page: ") + markers.error() +
                     QCoreApplication::translate("mine", "; using the built-in markers"));
            else if (markers->size() < 2)
                note(QStringLiteral(
                    "the marker page holds no v3.3 marker pair; using the built-in markers"));
            startRun(markers ? *markers : QStringList());
        });
}

void MineSession::createRun()
{
    // Each engine keeps its own cookies; the first shares the marker page's fetcher.
    std::vector<mining::RunEngine> engines;
    for (const MineEngine &engine : std::as_const(m_options.engines))
        engines.push_back({engines.empty() ? m_fetcher : new web::PageFetcher(m_ctx.settings, this),
                           engine.layout, engine.policy});
    m_run = new mining::MiningRun(engines, this);
    connect(m_run, &mining::MiningRun::keywordAccepted, this, &MineSession::onAccepted);
    connect(m_run, &mining::MiningRun::firstHarvest, this,
            [this](const QString &harvest) { m_listText += harvest; });
    // Holding a copy of the seen-list would make every later append copy it.
    connect(m_run, &mining::MiningRun::listReplaced, this, [this] { m_listIsSeenList = true; });
    connect(m_run, &mining::MiningRun::queryFailed, this, &MineSession::onQueryFailed);
    for (int engine = 0; engine < m_run->engineCount(); ++engine) {
        const mining::FetchScheduler *fetching = &m_run->fetching(engine);
        connect(fetching, &mining::FetchScheduler::blocked, this,
                [this, engine](const QString &keyword, const QString &how, int route,
                               qint64 retryInMs) {
                    onBlocked(engine, keyword, how, route, retryInMs);
                });
        connect(fetching, &mining::FetchScheduler::resting, this,
                [this, fetching](int route, qint64 ms) {
                    note(QCoreApplication::translate("mine",
                                                     "proxy %1 (%2) keeps failing; resting %3 s")
                             .arg(route + 1)
                             .arg(fetching->routes().value(route).name)
                             .arg(ms / 1000));
                });
    }
    connect(m_run, &mining::MiningRun::pageMalformed, this, &MineSession::onPageMalformed);
    connect(m_run, &mining::MiningRun::suggestionsUnusable, this,
            &MineSession::onSuggestionsUnusable);
    connect(m_run, &mining::MiningRun::querying, this, [this](const QString &keyword) {
        m_querying = keyword;
        showProgress(false);
    });
    connect(m_run, &mining::MiningRun::finished, this, &MineSession::onFinished);
    if (m_options.resume)
        connect(m_run, &mining::MiningRun::checkpointReached, this, &MineSession::saveState);
}

void MineSession::startRun(const QStringList &seedMarkers)
{
    if (!m_run->needsSeedMarkers()) {
        if (m_options.markersGiven)
            warn(QCoreApplication::translate(
                     "mine", "the %1 layout cuts the seed page as every other; --markers is "
                             "not used")
                     .arg(m_ctx.layout->name()));
    } else if (const std::optional<QString> warning = seedMarkersWarning(seedMarkers)) {
        warn(*warning);
    }
    m_options.input.seedMarkers = seedMarkers;
    if (!m_options.quiet) {
        auto *ticker = new QTimer(this);
        connect(ticker, &QTimer::timeout, this, [this] { showProgress(false); });
        ticker->start(1000);
    }
    m_querying = m_options.input.seed;
    if (const qsizetype known = m_options.input.knownKeywords.size(); known > 0)
        note(QCoreApplication::translate("mine", "--seen: %1 loaded, not to be listed again")
                 .arg(counted(int(known), QT_TRANSLATE_NOOP("mine", "keyword"),
                              QT_TRANSLATE_NOOP("mine", "keywords"))));
    m_clock.start();
    if (!m_options.resume || !m_options.resume->from) {
        m_run->start(m_options.input);
    } else {
        const mining::RunCheckpoint &from = *m_options.resume->from;
        note(QCoreApplication::translate("mine", "resuming after query %1, %2 found so far")
                 .arg(from.queriesMade)
                 .arg(counted(from.foundCount, QT_TRANSLATE_NOOP("mine", "keyword"),
                              QT_TRANSLATE_NOOP("mine", "keywords"))));
        m_queriesAtStart = from.queriesMade;
        if (const Result<> resumed = m_run->resume(m_options.input, from); !resumed)
            return m_ctx.finish(
                m_ctx.usageError(QCoreApplication::translate("mine", "--state %1: %2")
                                     .arg(m_options.resume->path, resumed.error())));
    }
    // Saved at once, so that a run killed before its first answer is still
    // known by its settings, and a resumed one starts from a whole file.
    if (m_journal && m_run->isActive())
        snapshot();
    if (m_stopped)
        m_run->requestStop();
    showProgress(true);
}

void MineSession::saveState()
{
    // Written before they are recorded: a kill in between repeats them on
    // resume (cut off again in --output), but never loses them.
    const QString records = std::exchange(m_pending, QString());
    if (!records.isEmpty())
        print(records);
    if (m_outputFailed || !m_stateError.isEmpty())
        return;
    const mining::QueryStep &step = m_run->lastStep();
    // The record need not repeat what --output holds, when a resume can read it back.
    const bool inOutput = m_file && m_file->readsBack() && m_options.resume->harvests &&
                          readsBackAs(m_options.format, m_ctx.encoding(), records, step.found);
    const Result<> saved =
        m_journal->record(step, committed(), inOutput, [this] { return m_run->checkpoint(); });
    if (!saved) {
        m_stateError = saved.error();
        m_run->requestStop();
    }
}

void MineSession::snapshot()
{
    if (m_outputFailed || !m_stateError.isEmpty())
        return;
    if (const Result<> saved = m_journal->snapshot(m_run->checkpoint(), committed()); !saved) {
        m_stateError = saved.error();
        m_run->requestStop();
    }
}

QString MineSession::engineName(int engine) const
{
    // Without --engine the records are as they always were.
    return m_options.namesEngines ? m_options.engines.value(engine).name : QString();
}

void MineSession::onAccepted(const QString &keyword, int generation, const QString &parent,
                             mining::QueryKind source, int engine)
{
    if (m_options.sheet) {
        m_options.sheet->add(keyword, generation, parent, engineName(engine));
        return;
    }
    if (m_options.raw || m_outputFailed)
        return;
    const QString record = mineRecord(m_options.format, keyword, generation, parent,
                                      mining::kindName(source), engineName(engine));
    if (m_options.resume)
        m_pending += record;
    else
        print(record);
}

void MineSession::print(const QString &records)
{
    if (m_outputFailed)
        return;
    bool written = true;
    if (m_file) {
        written = m_file->write(records);
    } else {
        m_ctx.out().write(records);
        written = m_ctx.out().flush();
    }
    // Nobody reads the keywords any more (a closed pipe, a full disk): mining
    // on would only load the search engine.
    if (!written) {
        m_outputFailed = true;
        m_run->requestStop();
    }
}

void MineSession::onQueryFailed(const QString &keyword, int, const QString &error)
{
    // The seed page's failure is the run's outcome, told at the end.
    if (m_run->queriesMade() > 0)
        report(
            QCoreApplication::translate("mine", "query %1 failed: %2").arg(quoted(keyword), error));
}

void MineSession::onBlocked(int engine, const QString &keyword, const QString &how, int route,
                            qint64 retryInMs)
{
    if (retryInMs >= 0)
        ++m_blockedAndRetried;
    report(
        blockReport(m_run->fetching(engine), keyword, how, route, retryInMs, engineName(engine)));
}

QList<const mining::FetchScheduler *> MineSession::schedulers() const
{
    QList<const mining::FetchScheduler *> all;
    for (int engine = 0; engine < m_run->engineCount(); ++engine)
        all.append(&m_run->fetching(engine));
    return all;
}

void MineSession::onPageMalformed(const QString &keyword)
{
    if (m_malformedPages++ == 0)
        warn(QCoreApplication::translate(
                 "mine", "the page of %1 holds bytes that are invalid in its charset; they "
                         "were read as stand-in characters")
                 .arg(quoted(keyword)));
}

void MineSession::onSuggestionsUnusable(const QString &keyword)
{
    if (m_unusableSuggestions++ == 0)
        m_firstUnusable = keyword;
}

void MineSession::showProgress(bool force)
{
    if (m_options.quiet || !m_run)
        return;
    const qint64 seconds = mining::elapsedSeconds(m_run->startTime(), mining::currentWholeSecond());
    m_progress.show(m_run->foundCount(), seconds, m_querying, paceText(schedulers()), force);
}

void MineSession::note(const QString &text)
{
    if (!m_options.quiet)
        m_progress.message(text);
}

void MineSession::warn(const QString &text)
{
    report(QCoreApplication::translate("mine", "warning: ") + text);
}

void MineSession::report(const QString &message)
{
    m_progress.close();
    m_ctx.fail(message);
}

void MineSession::onFinished()
{
    showProgress(true);
    m_progress.close();
    if (m_options.raw)
        print(m_listIsSeenList ? m_run->seenList() : m_listText);
    if (m_options.sheet) {
        const HeldAbort held; // a second stop signal gives up the file, not its temporary
        const Result<spreadsheet::SheetWritten> written =
            m_options.sheet->write([&held] { return held.requested(); });
        if (!written)
            return m_ctx.finish(m_ctx.fail(written.error()));
        if (const QString warning = written->warning(); !warning.isEmpty())
            warn(warning);
    }
    m_ctx.finish(reportOutcome());
}

int MineSession::reportOutcome()
{
    if (m_malformedPages > 1)
        warn(QCoreApplication::translate("mine", "%1 result pages held invalid bytes")
                 .arg(m_malformedPages));
    // Pages that arrived and held nothing the layout knows: the first sign
    // that the engine has changed its page layout.
    if (const int pages = m_run->pagesWithoutBlock(); pages > 0)
        warn(QCoreApplication::translate("mine", "no related-searches block found on ") +
             counted(pages, QT_TRANSLATE_NOOP("mine", "page"), QT_TRANSLATE_NOOP("mine", "pages")));
    // One warning a run, however many: the sign of a changed answer format.
    if (m_unusableSuggestions > 0)
        warn(QCoreApplication::translate(
                 "mine", "%1 could not be read (empty, not JSON or cut off), the first for %2")
                 .arg(counted(m_unusableSuggestions, QT_TRANSLATE_NOOP("mine", "suggestion answer"),
                              QT_TRANSLATE_NOOP("mine", "suggestion answers")),
                      quoted(m_firstUnusable)));
    if (m_file && m_outputFailed)
        return m_ctx.fail(QCoreApplication::translate("mine", "cannot write to %1: %2")
                              .arg(m_options.outputPath, m_file->errorString()));
    if (!m_ctx.out().flush() || m_outputFailed)
        return m_ctx.out().readerGone() ? kReaderGoneStatus
                                        : m_ctx.fail(QCoreApplication::translate(
                                              "mine", "cannot write to standard output"));
    if (!m_stateError.isEmpty())
        return m_ctx.fail(QCoreApplication::translate("mine", "cannot save the run in %1: %2")
                              .arg(m_options.resume->path, m_stateError));
    const QString &firstError = m_run->firstError();
    const int failed = m_run->failedQueries();
    const int queriesHere = m_run->queriesMade() - m_queriesAtStart;
    const QList<const mining::FetchScheduler *> engines = schedulers();
    if (m_options.resume && m_options.resume->from && queriesHere == 0 && !m_stopped &&
        std::all_of(engines.cbegin(), engines.cend(), [](const mining::FetchScheduler *engine) {
            return engine->routes().value(0).requests == 0;
        })) {
        note(QCoreApplication::translate("mine", "the run saved in %1 was already complete (%2); "
                                                 "nothing is left to query")
                 .arg(m_options.resume->path,
                      counted(m_run->foundCount(), QT_TRANSLATE_NOOP("mine", "keyword"),
                              QT_TRANSLATE_NOOP("mine", "keywords"))));
        return 0;
    }
    if (!m_options.quiet) {
        const MineCounts counts{m_run->queriesMade(), m_blockedAndRetried, m_run->stayedBlocked(),
                                m_run->failedCount(), m_run->foundCount(), queriesHere,
                                m_clock.elapsed()};
        QList<EngineCounts> byEngine;
        for (int engine = 0; engine < m_run->engineCount(); ++engine)
            byEngine.append({engineName(engine), engines.at(engine),
                             m_run->queriesByEngine().value(engine),
                             m_run->foundByEngine().value(engine)});
        for (const QString &line : summaryLines(byEngine, counts))
            note(line);
    }
    // The seed's page held a block, no filter dropped anything, and still
    // nothing was new.
    if (m_run->foundCount() == 0 && !m_options.input.knownKeywords.isEmpty() &&
        firstError.isEmpty() && m_run->pagesWithoutBlock() == 0 && m_run->minLength() <= 0 &&
        mining::passesFilter(QString(), m_run->filterText()))
        note(QCoreApplication::translate(
            "mine", "nothing new: every keyword on the seed's page was already in --seen"));
    if (std::all_of(engines.cbegin(), engines.cend(),
                    [](const mining::FetchScheduler *engine) { return engine->exhausted(); })) {
        QStringList proxies;
        for (const mining::RouteStats &route : m_run->fetching().routes())
            proxies << QStringLiteral("%1 (%2)").arg(route.name, route.lastError);
        report(QCoreApplication::translate(
                   "mine", "every proxy failed, each resting longer than the time-out: ") +
               proxies.join(QStringLiteral(", ")));
        return 3;
    }
    if (!firstError.isEmpty() && !m_run->firstBlocked())
        return m_ctx.fail(QCoreApplication::translate("mine", "seed page: ") + firstError);
    if (m_run->firstBlocked()) {
        report(QCoreApplication::translate(
                   "mine", "the seed query stayed blocked (%1); try again later, more "
                           "slowly or through --proxies")
                   .arg(firstError));
        return 3;
    }
    const int stayedBlocked = m_run->stayedBlocked();
    if (failed == 0 && stayedBlocked == 0)
        return 0;
    const int maxInARow = m_options.policy.maxFailuresInARow;
    if (maxInARow > 0 && m_run->failuresInARow() >= maxInARow &&
        m_run->runState() == mining::MiningRun::StopRequested)
        report(QCoreApplication::translate(
                   "mine", "stopped: too many failed queries in a row (--max-failures %1)")
                   .arg(maxInARow));
    if (stayedBlocked > 0)
        report(counted(stayedBlocked, QT_TRANSLATE_NOOP("mine", "query"),
                       QT_TRANSLATE_NOOP("mine", "queries")) +
               QCoreApplication::translate("mine", " stayed blocked"));
    if (failed > 0)
        report(counted(failed, QT_TRANSLATE_NOOP("mine", "query"),
                       QT_TRANSLATE_NOOP("mine", "queries")) +
               QCoreApplication::translate("mine", " failed"));
    return 3; // incomplete: queries failed or stayed blocked
}

} // namespace vantorix::cli
