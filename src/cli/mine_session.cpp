#include "cli/mine_session.h"

#include "cli/command_context.h"
#include "hotwords/page_fetcher.h"
#include "hotwords/urls.h"
#include "mining/readouts.h"
#include "mining/seed_markers.h"

#include <QTimer>

namespace vantorix::cli {

MineSession::MineSession(CommandContext &ctx, MineOptions options)
    : QObject(ctx.parent()), m_ctx(ctx), m_options(std::move(options)),
      m_fetcher(new hotwords::PageFetcher(ctx.settings, this)), m_progress(ctx.err())
{
}

void MineSession::begin()
{
    m_ctx.onInterrupt([this] {
        m_stopped = true;
        if (!m_run) {
            m_ctx.finish(0); // still reading the marker page: nothing mined yet
            return;
        }
        note(QStringLiteral("stopping after the query in flight (Ctrl-C again to abort)"));
        m_run->requestStop();
    });
    if (m_options.markersGiven) {
        startRun();
        return;
    }
    const QUrl address = hotwords::markerPageUrl(m_ctx.settings.hosts.publisher);
    hotwords::PageFetch *fetch = m_fetcher->get(address);
    connect(fetch, &hotwords::PageFetch::finished, this,
            [this](const hotwords::FetchResult &result) {
                // Mining goes on without the publisher's page: the seed is then
                // cut with the markers of every other query.
                if (!result.ok)
                    note(QStringLiteral("marker page: ") + result.error +
                         QStringLiteral("; using the built-in markers"));
                m_options.input.seedMarkers = mining::parseSeedMarkers(result.text);
                if (result.ok && m_options.input.seedMarkers.size() < 2)
                    note(QStringLiteral("the marker page holds no v3.3 marker pair; using the "
                                        "built-in markers"));
                startRun();
            });
}

void MineSession::startRun()
{
    m_run = new mining::MiningRun(m_fetcher, m_ctx.settings.hosts.search, m_options.policy, this);
    connect(m_run, &mining::MiningRun::keywordAccepted, this, &MineSession::onAccepted);
    connect(m_run, &mining::MiningRun::firstHarvest, this,
            [this](const QString &harvest) { m_listText += harvest; });
    // Holding a copy of the seen-list would make every later append copy it.
    connect(m_run, &mining::MiningRun::listReplaced, this, [this] { m_listIsSeenList = true; });
    connect(m_run, &mining::MiningRun::seedFetched, this, [this](bool ok, const QString &error) {
        if (!ok)
            m_seedError = error;
    });
    connect(m_run, &mining::MiningRun::querying, this, [this](const QString &keyword) {
        m_querying = keyword;
        showProgress(false);
    });
    connect(m_run, &mining::MiningRun::finished, this, &MineSession::onFinished);
    if (!m_options.quiet) {
        auto *ticker = new QTimer(this);
        connect(ticker, &QTimer::timeout, this, [this] { showProgress(false); });
        ticker->start(1000);
    }
    m_querying = m_options.input.seed;
    m_run->start(m_options.input);
    if (m_stopped)
        m_run->requestStop();
    showProgress(true);
}

void MineSession::onAccepted(const QString &keyword, int generation, const QString &parent)
{
    if (m_options.sheet) {
        m_options.sheet->add(keyword, generation, parent);
        return;
    }
    if (m_options.raw)
        return;
    m_ctx.out().write(mineRecord(m_options.format, keyword, generation, parent));
    m_ctx.out().flush();
}

void MineSession::showProgress(bool force)
{
    if (m_options.quiet || !m_run)
        return;
    const qint64 seconds = mining::elapsedSeconds(m_run->startTime(), mining::currentWholeSecond());
    m_progress.show(m_run->foundCount(), seconds, m_querying, force);
}

void MineSession::note(const QString &text)
{
    if (!m_options.quiet)
        m_progress.message(text);
}

void MineSession::onFinished()
{
    showProgress(true);
    m_progress.close();
    if (m_options.raw)
        m_ctx.out().write(m_listIsSeenList ? m_run->seenList() : m_listText);
    if (m_options.sheet) {
        if (const Result<> written = m_options.sheet->write(); !written) {
            m_ctx.finish(m_ctx.fail(written.error()));
            return;
        }
    }
    if (!m_ctx.out().flush()) {
        m_ctx.finish(m_ctx.fail(QStringLiteral("cannot write standard output")));
        return;
    }
    if (!m_seedError.isEmpty()) {
        m_ctx.finish(m_ctx.fail(QStringLiteral("seed page: ") + m_seedError));
        return;
    }
    m_ctx.finish(0);
}

} // namespace vantorix::cli
