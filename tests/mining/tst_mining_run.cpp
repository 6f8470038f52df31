#include "config/settings.h"
#include "hotwords/page_fetcher.h"
#include "layout/page_layout.h"
#include "mining/mining_run.h"
#include "run_recorder.h"
#include "search_site.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace vantorix;
using mining::MiningInput;
using mining::MiningRun;

namespace {

const QString kOff = QStringLiteral("未开启");

config::Settings siteSettings(const SearchSite &site)
{
    config::Settings settings;
    settings.hosts.setAll(site.host());
    settings.sandbox = true;
    settings.timeoutSeconds = 10;
    return settings;
}

std::shared_ptr<const layout::PageLayout> layoutOf(const SearchSite &site)
{
    return layout::chooseLayout(siteSettings(site));
}

// The classic layout, but every answer sends the query on to the page of
// "then", as today's https shell page sends a query on to http.
class SendingOnLayout final : public layout::PageLayout
{
public:
    explicit SendingOnLayout(std::shared_ptr<const layout::PageLayout> classic)
        : m_classic(std::move(classic))
    {
    }
    QString name() const override { return m_classic->name(); }
    QUrl searchUrl(const QString &keyword) const override { return m_classic->searchUrl(keyword); }
    std::optional<QUrl> retryAddress(const QUrl &, const QString &) const override
    {
        return m_classic->searchUrl(QStringLiteral("then"));
    }
    bool usesSeedMarkers() const override { return true; }
    layout::RelatedSearches relatedSearches(const QString &page,
                                            const QStringList &markers) const override
    {
        return m_classic->relatedSearches(page, markers);
    }
    std::optional<hotwords::HotlistReading>
    hotlist(const hotwords::HotwordSource &source) const override
    {
        return m_classic->hotlist(source);
    }

private:
    std::shared_ptr<const layout::PageLayout> m_classic;
};

MiningInput input(const QString &seed, const QString &limit = QStringLiteral("1000"),
                  const QString &minLength = QStringLiteral("0"), const QString &filter = kOff)
{
    return {
        seed, limit, minLength, filter, {QStringLiteral("<div id=rs>"), QStringLiteral("</div>")}};
}

QString lines(const QString &compact)
{
    QString text = compact;
    return text.replace(QLatin1Char('|'), QStringLiteral("\r\n"));
}

} // namespace

class MiningRunTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void run_data();
    void run();
    void stopDuringAFollowUpQuery_data();
    void stopDuringAFollowUpQuery();
    void secondRunForgetsFirstRunsKeywords();
    void startWhileRunningIsIgnored();
    void seedMarkers_data();
    void seedMarkers();
    void unreadableSettingsKeepPreviousValues();
    void concurrencyChangesNothingVisible_data();
    void concurrencyChangesNothingVisible();
    void retriesRecoverAFlakyPage();
    void delaySpacesQueryStarts();
    void aPageThatSendsTheQueryOnIsFollowedOnce();
};

// One run of the table: the site's graph and failing keyword, the three
// settings boxes, whether stop is clicked at once, then what the run leaves.
static void addRun(const char *name, const char *graph, const char *failing, const char *limit,
                   const char *minLength, const QString &filter, bool stopAtOnce, const char *list,
                   const char *queries, const char *labels, const char *lastCount, int state)
{
    QTest::newRow(name) << QString::fromUtf8(graph) << QString::fromUtf8(failing)
                        << QString::fromUtf8(limit) << QString::fromUtf8(minLength) << filter
                        << stopAtOnce << QString::fromUtf8(list) << QString::fromUtf8(queries)
                        << QString::fromUtf8(labels) << QString::fromUtf8(lastCount) << state;
}

void MiningRunTest::run_data()
{
    QTest::addColumn<QString>("graph");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QString>("minLength");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("stopAtOnce");
    QTest::addColumn<QString>("list");    // '|' stands for CRLF
    QTest::addColumn<QString>("queries"); // as the site saw them, ',' separated
    QTest::addColumn<QString>("labels");  // Label2 captions, ',' separated
    QTest::addColumn<QString>("lastCount");
    QTest::addColumn<int>("state");

    addRun("two generations", "s:a,b;a:c,a;b:d", "", "1000", "0", kOff, false, "|a|b||c|d|",
           "s,a,b,,c,d,", "a,b,,c,d,", "4 个", 0);
    addRun("limit inside the first block", "s:k1,k2,k3,k4,k5,k6,k7,k8", "", "5", "0", kOff, false,
           "k1|k2|k3|k4|k5|k6|k7|k8|", "s", "", "8 个", 2);
    addRun("limit inside a later block lets the block finish", "s:a,b;a:c,d;b:e", "", "3", "0",
           kOff, false, "|a|b||c|d|", "s,a", "a", "4 个", 2);
    addRun("stop during the seed fetch", "s:a,b;a:c", "", "1000", "0", kOff, true, "a|b|", "s", "",
           "2 个", 2);
    addRun("stop during a seed fetch that finds nothing", "s:", "", "1000", "0", kOff, true, "",
           "s", "", "", 0);
    addRun("filter stops the spread", "s:xa,b;b:xc;xa:xd,e", "", "1000", "0", QStringLiteral("X"),
           false, "|xa||xd|", "s,xa,,xd,", "xa,,xd,", "2 个", 0);
    addRun("trailing empty keyword is a real query", "s:a;:e", "", "1000", "0", kOff, false,
           "|a||e|", "s,a,,e,", "a,,e,", "2 个", 0);
    addRun("short link skipped, later links kept", "s:ab,c,de,f", "", "1000", "1", kOff, false,
           "|ab|de||", "s,ab,de,", "ab,de,", "2 个", 0);
    addRun("twin links listed and queried twice", "s:a,a;a:b,b", "", "1000", "0", kOff, false,
           "|a|a||b|b|", "s,a,a,,b,b,", "a,a,,b,b,", "4 个", 0);
    addRun("seed page fails", "s:a", "s", "1000", "0", kOff, false, "", "s", "", "", 0);
    addRun("later page fails, the run goes on", "s:a,b;a:c;b:d", "a", "1000", "0", kOff, false,
           "|a|b||d|", "s,a,b,,d,", "a,b,,d,", "3 个", 0);
    addRun("seed is not put into the seen list", "s:a;a:s", "", "1000", "0", kOff, false, "|a||s|",
           "s,a,,s,", "a,,s,", "2 个", 0);
    addRun("upper-case links come out lower-cased", "s:AbC;abc:Abc,DEF", "", "1000", "0", kOff,
           false, "|abc||def|", "s,abc,,def,", "abc,,def,", "2 个", 0);
    addRun("limit rounded down", "s:a,b,c;a:d", "", "2.9", "0", kOff, false, "a|b|c|", "s", "",
           "3 个", 2);
}

void MiningRunTest::run()
{
    QFETCH(QString, graph);
    QFETCH(QString, failing);
    QFETCH(QString, limit);
    QFETCH(QString, minLength);
    QFETCH(QString, filter);
    QFETCH(bool, stopAtOnce);
    QFETCH(QString, list);
    QFETCH(QString, queries);
    QFETCH(QString, labels);
    QFETCH(QString, lastCount);
    QFETCH(int, state);

    SearchSite site(graph);
    if (!failing.isEmpty())
        site.failKeyword(failing);
    hotwords::PageFetcher fetcher(siteSettings(site));
    MiningRun run(&fetcher, layoutOf(site), {});
    RunRecorder recorder(run);
    QSignalSpy finished(&run, &MiningRun::finished);

    QVERIFY(run.start(input(QStringLiteral("s"), limit, minLength, filter)));
    if (stopAtOnce)
        run.requestStop();
    QVERIFY(finished.wait(10000));

    QCOMPARE(recorder.list, lines(list));
    QCOMPARE(site.queries().join(QLatin1Char(',')), queries);
    QCOMPARE(recorder.labels.join(QLatin1Char(',')), labels);
    QCOMPARE(recorder.counts.value(recorder.counts.size() - 1), lastCount);
    QCOMPARE(run.runState(), state);
    QCOMPARE(recorder.finalState, state);
    QVERIFY(!run.isActive());
}

void MiningRunTest::stopDuringAFollowUpQuery_data()
{
    QTest::addColumn<int>("concurrency");
    QTest::newRow("one at a time") << 1;
    QTest::newRow("three ahead") << 3;
}

// The query in flight when the stop arrives still counts and reaches the list.
void MiningRunTest::stopDuringAFollowUpQuery()
{
    QFETCH(int, concurrency);
    SearchSite site(QStringLiteral("s:a,b;a:c;b:d"));
    site.setDelay(QStringLiteral("a"), 200);
    hotwords::PageFetcher fetcher(siteSettings(site));
    MiningRun run(&fetcher, layoutOf(site), {concurrency, 0, 0});
    RunRecorder recorder(run);
    connect(&run, &MiningRun::querying, &run, [&run](const QString &keyword) {
        if (keyword == QLatin1String("a"))
            QTimer::singleShot(50, &run, &MiningRun::requestStop);
    });
    QSignalSpy finished(&run, &MiningRun::finished);
    QVERIFY(run.start(input(QStringLiteral("s"))));
    QVERIFY(finished.wait(10000));
    QCOMPARE(recorder.list, lines(QStringLiteral("|a|b||c|")));
    QCOMPARE(recorder.labels, QStringList{QStringLiteral("a")});
    QCOMPARE(recorder.counts.constLast(), QStringLiteral("3 个"));
    QCOMPARE(run.runState(), int(MiningRun::StopRequested));
}

void MiningRunTest::secondRunForgetsFirstRunsKeywords()
{
    SearchSite site(QStringLiteral("s:a,b;t:a,c;c:a"));
    hotwords::PageFetcher fetcher(siteSettings(site));
    MiningRun run(&fetcher, layoutOf(site), {});
    RunRecorder recorder(run);
    QSignalSpy finished(&run, &MiningRun::finished);

    QVERIFY(run.start(input(QStringLiteral("s"))));
    QVERIFY(finished.wait(10000));
    QCOMPARE(recorder.list, lines(QStringLiteral("|a|b||")));

    QSignalSpy first(&run, &MiningRun::firstHarvest);
    QVERIFY(run.start(input(QStringLiteral("t"))));
    QVERIFY(finished.wait(10000));
    // The first harvest still knows run one's keywords; later generations do not.
    QCOMPARE(first.at(0).at(0).toString(), lines(QStringLiteral("c|")));
    QCOMPARE(recorder.list, lines(QStringLiteral("|c||a|")));
    QCOMPARE(run.seenList(), recorder.list);
    QCOMPARE(recorder.counts.constLast(), QStringLiteral("2 个"));
}

void MiningRunTest::startWhileRunningIsIgnored()
{
    SearchSite site(QStringLiteral("s:a;a:b;t:x"));
    hotwords::PageFetcher fetcher(siteSettings(site));
    MiningRun run(&fetcher, layoutOf(site), {});
    RunRecorder recorder(run);
    QSignalSpy finished(&run, &MiningRun::finished);

    QVERIFY(run.start(input(QStringLiteral("s"))));
    QVERIFY(!run.start(input(QStringLiteral("t"))));
    run.requestStop();
    QVERIFY(!run.start(input(QStringLiteral("t"))));
    QVERIFY(finished.wait(10000));
    QCOMPARE(site.queries(), QStringList{QStringLiteral("s")});
    QCOMPARE(run.runState(), int(MiningRun::StopRequested));

    // A run that ended on a stop no longer blocks the next one.
    QVERIFY(run.start(input(QStringLiteral("t"))));
    QCOMPARE(run.runState(), int(MiningRun::Running));
    QVERIFY(finished.wait(10000));
    QCOMPARE(recorder.finishes, 2);
    QCOMPARE(recorder.list, lines(QStringLiteral("|x||")));
}

void MiningRunTest::seedMarkers_data()
{
    QTest::addColumn<QStringList>("markers");
    QTest::addColumn<QString>("firstHarvest");

    const QString related = lines(QStringLiteral("a|b|"));
    QTest::newRow("page markers cut the seed page")
        << QStringList{QStringLiteral("<p>"), QStringLiteral("</p>")}
        << lines(QStringLiteral("furniture|"));
    QTest::newRow("one marker: built-in ones") << QStringList{QStringLiteral("<p>")} << related;
    QTest::newRow("markers missing from the page")
        << QStringList{QStringLiteral("<nothere>"), QStringLiteral("</div>")} << QString();
}

void MiningRunTest::seedMarkers()
{
    QFETCH(QStringList, markers);
    QFETCH(QString, firstHarvest);

    SearchSite site(QStringLiteral("s:a,b"));
    hotwords::PageFetcher fetcher(siteSettings(site));
    MiningRun run(&fetcher, layoutOf(site), {});
    QSignalSpy first(&run, &MiningRun::firstHarvest);
    QSignalSpy finished(&run, &MiningRun::finished);
    MiningInput in = input(QStringLiteral("s"));
    in.seedMarkers = markers;
    QVERIFY(run.start(in));
    QVERIFY(finished.wait(10000));
    QCOMPARE(first.size(), 1);
    QCOMPARE(first.at(0).at(0).toString(), firstHarvest);
}

void MiningRunTest::unreadableSettingsKeepPreviousValues()
{
    SearchSite site(QStringLiteral("s:"));
    hotwords::PageFetcher fetcher(siteSettings(site));
    MiningRun run(&fetcher, layoutOf(site), {});
    QSignalSpy finished(&run, &MiningRun::finished);

    QVERIFY(run.start(input(QStringLiteral("s"), QStringLiteral("many"), QString())));
    QCOMPARE(run.maxCount(), 0);
    QCOMPARE(run.minLength(), 0);
    QVERIFY(finished.wait(10000));

    QVERIFY(run.start(input(QStringLiteral("s"), QStringLiteral(" 7.5 "), QStringLiteral("-0.5"))));
    QCOMPARE(run.maxCount(), 7);
    QCOMPARE(run.minLength(), -1);
    QVERIFY(finished.wait(10000));

    QVERIFY(run.start(input(QStringLiteral("s"), QStringLiteral("1e99"), QStringLiteral("x"),
                            QStringLiteral("abc"))));
    QCOMPARE(run.maxCount(), 7);
    QCOMPARE(run.minLength(), -1);
    QCOMPARE(run.filterText(), QStringLiteral("abc"));
    QVERIFY(finished.wait(10000));
}

void MiningRunTest::concurrencyChangesNothingVisible_data()
{
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QString>("stopAt"); // stop when Label2 shows this keyword
    QTest::addColumn<QString>("failing");

    QTest::newRow("to the end") << "1000"
                                << ""
                                << "";
    QTest::newRow("limit") << "23"
                           << ""
                           << "";
    QTest::newRow("stop button") << "1000"
                                 << "k17"
                                 << "";
    QTest::newRow("failed pages") << "1000"
                                  << ""
                                  << "k5";
}

// A graph of overlapping neighbourhoods, so duplicates turn up across pages.
static QString meshGraph(int nodes, int fanout)
{
    QString graph = QStringLiteral("s:k0,k1,k2");
    for (int i = 0; i < nodes; ++i) {
        graph += QStringLiteral(";k%1:").arg(i);
        for (int j = 0; j < fanout; ++j)
            graph += QStringLiteral("%1k%2")
                         .arg(j ? QStringLiteral(",") : QString())
                         .arg((i * 7 + j * 13 + 1) % nodes);
    }
    return graph;
}

void MiningRunTest::concurrencyChangesNothingVisible()
{
    QFETCH(QString, limit);
    QFETCH(QString, stopAt);
    QFETCH(QString, failing);

    SearchSite site(meshGraph(60, 4));
    if (!failing.isEmpty())
        site.failKeyword(failing);
    QList<QStringList> seen;
    for (int concurrency : {1, 3, 6}) {
        hotwords::PageFetcher fetcher(siteSettings(site));
        MiningRun run(&fetcher, layoutOf(site), {concurrency, 0, 0});
        RunRecorder recorder(run);
        connect(&run, &MiningRun::querying, &run, [&](const QString &keyword) {
            if (!stopAt.isEmpty() && keyword == stopAt)
                run.requestStop();
        });
        QSignalSpy finished(&run, &MiningRun::finished);
        QVERIFY(run.start(input(QStringLiteral("s"), limit)));
        QVERIFY(finished.wait(20000));
        QVERIFY2(recorder.accepted.size() > 20,
                 qPrintable(recorder.accepted.join(QLatin1Char(' '))));
        seen.append({recorder.list, recorder.labels.join(QLatin1Char(',')),
                     recorder.counts.join(QLatin1Char(',')),
                     recorder.accepted.join(QLatin1Char(',')),
                     QString::number(recorder.finalState)});
    }
    QCOMPARE(seen.at(1), seen.at(0));
    QCOMPARE(seen.at(2), seen.at(0));
}

void MiningRunTest::retriesRecoverAFlakyPage()
{
    const struct
    {
        int failures;
        int retries;
        const char *list;
    } cases[] = {{1, 0, "|a||"}, {1, 1, "|a||b|"}, {2, 1, "|a||"}, {2, 2, "|a||b|"}};
    for (const auto &c : cases) {
        SearchSite site(QStringLiteral("s:a;a:b"));
        site.failKeyword(QStringLiteral("a"), c.failures);
        hotwords::PageFetcher fetcher(siteSettings(site));
        MiningRun run(&fetcher, layoutOf(site), {1, c.retries, 0});
        RunRecorder recorder(run);
        QSignalSpy finished(&run, &MiningRun::finished);
        QVERIFY(run.start(input(QStringLiteral("s"))));
        QVERIFY(finished.wait(10000));
        QCOMPARE(recorder.list, lines(QString::fromLatin1(c.list)));
    }
}

void MiningRunTest::delaySpacesQueryStarts()
{
    SearchSite site(QStringLiteral("s:a,b,c"));
    hotwords::PageFetcher fetcher(siteSettings(site));
    MiningRun run(&fetcher, layoutOf(site), {3, 0, 150});
    QSignalSpy finished(&run, &MiningRun::finished);
    QVERIFY(run.start(input(QStringLiteral("s"))));
    QVERIFY(finished.wait(10000));
    const QList<qint64> &times = site.queryTimes();
    QCOMPARE(times.size(), 5); // s, a, b, c and the empty keyword
    for (qsizetype i = 1; i < times.size(); ++i)
        QVERIFY2(times[i] - times[i - 1] >= 100,
                 qPrintable(QStringLiteral("gap %1 ms").arg(times[i] - times[i - 1])));
}

void MiningRunTest::aPageThatSendsTheQueryOnIsFollowedOnce()
{
    SearchSite site(QStringLiteral("s:x;then:a"));
    hotwords::PageFetcher fetcher(siteSettings(site));
    MiningRun run(&fetcher, std::make_shared<SendingOnLayout>(layoutOf(site)), {1, 0, 0});
    RunRecorder recorder(run);
    QSignalSpy finished(&run, &MiningRun::finished);
    QVERIFY(run.start(input(QStringLiteral("s"))));
    QVERIFY(finished.wait(10000));
    QCOMPARE(site.queries().join(QLatin1Char(',')), QStringLiteral("s,then,a,then,,then"));
    QCOMPARE(recorder.list, lines(QStringLiteral("|a||")));
}

QTEST_GUILESS_MAIN(MiningRunTest)
#include "tst_mining_run.moc"
