#pragma once

#include "cli/mine/keyword_file.h"
#include "cli/mine/output.h"
#include "cli/mine/progress.h"
#include "cli/mine/resume.h"
#include "cli/mine/sheet.h"
#include "mining/mining_run.h"
#include "mining/run_journal.h"

#include <QElapsedTimer>
#include <QObject>

namespace vantorix::web {
class PageFetcher;
}

namespace vantorix::cli {

class CommandContext;

// An engine a run asks, as --engine names it.
struct MineEngine
{
    QString name;
    std::shared_ptr<const layout::PageLayout> layout;
    mining::FetchPolicy policy;
};

struct MineOptions
{
    QList<MineEngine> engines; // the first's layout is the context's
    bool namesEngines = false; // --engine given: records and the summary name them
    mining::MiningInput input;
    bool markersGiven = false;
    RecordFormat format = RecordFormat::Lines;
    bool raw = false;
    bool quiet = false;
    mining::FetchPolicy policy;       // the first engine's
    std::optional<MineSheet> sheet;   // written at the end instead of standard output
    QString outputPath;               // --output in the other formats
    std::optional<MineResume> resume; // --state
};

// One `mine` run: the marker page, the run itself, the keywords on standard
// output, progress and failures on standard error, and the stop signals.
class MineSession : public QObject
{
    Q_OBJECT
public:
    MineSession(CommandContext &ctx, MineOptions options);

    void begin();

private:
    void createRun();
    void startRun(const QStringList &seedMarkers);
    // The engine's name for records, or empty when they name none.
    QString engineName(int engine) const;
    QList<const mining::FetchScheduler *> schedulers() const;
    void onAccepted(const QString &keyword, int generation, const QString &parent,
                    mining::QueryKind source, int engine);
    // Writes out the keywords the query found, then records the query in the
    // --state file; a failure of either ends the run, and what was not
    // written is not recorded.
    void saveState();
    // Rewrites the --state file whole.
    void snapshot();
    void print(const QString &records);
    // Bytes of --output written; -1 without one.
    qint64 committed() const { return m_file ? m_file->length() : -1; }
    void onQueryFailed(const QString &keyword, int generation, const QString &error);
    void onBlocked(int engine, const QString &keyword, const QString &how, int route,
                   qint64 retryInMs);
    void onPageMalformed(const QString &keyword);
    void onSuggestionsUnusable(const QString &keyword);
    void onFinished();
    // Reports how the run went on standard error and gives the exit status.
    int reportOutcome();
    void showProgress(bool force);
    void note(const QString &text);
    void warn(const QString &text);
    // One line on standard error in the format of every error.
    void report(const QString &message);

    CommandContext &m_ctx;
    MineOptions m_options;
    web::PageFetcher *m_fetcher;
    mining::MiningRun *m_run = nullptr;
    MineProgress m_progress;
    std::unique_ptr<KeywordFile> m_file; // --output, in the lines, tsv and json formats
    std::unique_ptr<mining::RunJournal> m_journal;
    QString m_listText;            // the first harvest appended to an empty list
    bool m_listIsSeenList = false; // replaced since by the seen-list
    QString m_querying;            // keyword being queried
    int m_blockedAndRetried = 0;   // blocks followed by another try
    int m_malformedPages = 0;
    QString m_stateError;  // why the --state file could not be written
    QString m_pending;     // with --state: the records of the query being processed
    QElapsedTimer m_clock; // from the run's start
    bool m_outputFailed = false;
    bool m_stopped = false;

    // Suggestion answers that could not be read, and the keyword of the first.
    int m_unusableSuggestions = 0;
    int m_queriesAtStart = 0; // a resumed run's, made before this process
    QString m_firstUnusable;
};

} // namespace vantorix::cli
