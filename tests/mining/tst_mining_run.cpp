#include "config/settings.h"
#include "data_table.h"
#include "layout/classic_layout.h"
#include "layout/page_layout.h"
#include "mining/fetch_policy.h"
#include "mining/jcf.h"
#include "mining/mining_run.h"
#include "mining/readouts.h"
#include "mining/seen_keywords.h"
#include "sandbox/embedded.h"
#include "search_site.h"
#include "web/page_fetcher.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace vantorix;
using namespace Qt::StringLiterals;
using mining::MiningInput;
using mining::MiningRun;

namespace {

config::Settings settingsFor(const QString &host, int timeoutSeconds = 10)
{
    config::Settings settings;
    settings.hosts.setAll(host);
    settings.timeoutSeconds = timeoutSeconds;
    return settings;
}

// The classic layout, but every answer sends the query on to the page of
// "then", as today's https shell page sends a query on to http.
class SendingOnLayout final : public layout::PageLayout
{
public:
    explicit SendingOnLayout(const QString &host)
        : m_classic(layout::chooseLayout(settingsFor(host)))
    {
    }
    QString name() const override { return m_classic->name(); }
    QUrl searchUrl(const QString &keyword) const override { return m_classic->searchUrl(keyword); }
    std::optional<QUrl> retryAddress(const QUrl &, const QString &) const override
    {
        return m_classic->searchUrl(u"then"_s);
    }
    bool throttlesClients() const override { return false; }
    bool isBlockAddress(const QUrl &) const override { return false; }
    bool isBlockPage(const QString &) const override { return false; }
    bool usesSeedMarkers() const override { return true; }
    layout::RelatedSearches relatedSearches(const QString &page,
                                            const QStringList &markers) const override
    {
        return m_classic->relatedSearches(page, markers);
    }
    QUrl suggestUrl(const QString &keyword) const override
    {
        return m_classic->suggestUrl(keyword);
    }
    layout::Suggestions suggestions(const QString &answer) const override
    {
        return m_classic->suggestions(answer);
    }
    std::optional<web::HotlistReading> hotlist(const layout::HotwordSource &source) const override
    {
        return m_classic->hotlist(source);
    }

private:
    std::shared_ptr<const layout::PageLayout> m_classic;
};

MiningInput input(const QString &seed, const QString &limit = u"1000"_s,
                  const QString &minLength = u"0"_s, const QString &filter = mining::kFilterOff)
{
    return {seed, limit, minLength, filter, {u"<div id=rs>"_s, u"</div>"_s}};
}

// '|' stands for CRLF.
QString lines(QString compact)
{
    return compact.replace(u'|', u"\r\n"_s);
}

// A related-searches block holding the link texts `texts` (',' separated).
QString links(const QString &texts)
{
    QString block;
    for (const QString &text : texts.split(u','))
        block += u"<td><a href=\"/s?wd=x&f=1\">"_s + text + u"</a></td>"_s;
    return block;
}

// A run against an in-test search site, and everything a window (or the
// command line) sees of it: the list text (the first harvest appended to what
// stood there, then every replacement), the read-outs, the accepted keywords
// with generation, parent and source, and the failed queries.
struct Rig
{
    explicit Rig(const QString &graph, mining::FetchPolicy policy = {}, bool sendOn = false)
        : site(graph), fetcher(settingsFor(site.host())),
          run(&fetcher,
              sendOn ? std::make_shared<SendingOnLayout>(site.host())
                     : layout::chooseLayout(settingsFor(site.host())),
              policy)
    {
        auto into = [](QStringList &list) { return [&list](const QString &t) { list << t; }; };
        QObject::connect(&run, &MiningRun::firstHarvest, [this](const QString &h) { list += h; });
        QObject::connect(&run, &MiningRun::listReplaced, [this](const QString &l) { list = l; });
        QObject::connect(&run, &MiningRun::querying, into(labels));
        QObject::connect(&run, &MiningRun::countChanged, into(counts));
        QObject::connect(&run, &MiningRun::pageMalformed, into(spoilt));
        QObject::connect(&run, &MiningRun::keywordAccepted,
                         [this](const QString &word, int generation, const QString &parent,
                                mining::QueryKind kind) {
                             accepted << u"%1/%2/%3/%4"_s.arg(word)
                                             .arg(generation)
                                             .arg(parent, mining::kindName(kind));
                         });
        QObject::connect(&run, &MiningRun::queryFailed,
                         [this](const QString &keyword, int generation) {
                             failed << u"%1/%2"_s.arg(keyword).arg(generation);
                         });
    }

    // Starts a run and waits for its end.
    bool mine(const MiningInput &in)
    {
        QSignalSpy finished(&run, &MiningRun::finished);
        return run.start(in) && finished.wait(20000);
    }
    QString queries() const { return site.queries().join(u','); }

    SearchSite site;
    web::PageFetcher fetcher;
    MiningRun run;
    QString list;
    QStringList labels, counts, accepted, failed, spoilt;
};

} // namespace

class MiningRunTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void harvest_data()
    {
        // expected: ',' separated
        columns<QString, int, QString, QString, QString>("block", "minLength", "filter", "seen",
                                                         "expected");

        const QString off = mining::kFilterOff;
        QTest::newRow("short link skipped by characters, later ones kept")
            << links(u"减肥茶,减肥,fghi"_s) << 2 << off << QString() << u"减肥茶,fghi"_s;
        QTest::newRow("empty link skipped with negative minimum")
            << links(u",a"_s) << -1 << off << QString() << u"a"_s;
        QTest::newRow("start marker without end marker ends the scan")
            << links(u"abc"_s) + u"<a href=\"y&f=1\">dangling"_s << 0 << off << QString()
            << u"abc"_s;
        QTest::newRow("filter text holding 未开启 is off")
            << links(u"abc,xyz"_s) << 0 << u"(未开启)"_s << QString() << u"abc,xyz"_s;
        QTest::newRow("filter ignores case")
            << links(u"xaby,xy,减肥ab"_s) << 0 << u"AB"_s << QString() << u"xaby,减肥ab"_s;
        QTest::newRow("seen test: whole line, any case")
            << links(u"alpha,pha,beta"_s) << 0 << off << u"\r\nALPHA\r\nalphabet\r\n"_s
            << u"pha,beta"_s;
    }
    void harvest()
    {
        QFETCH(QString, block);
        QFETCH(int, minLength);
        QFETCH(QString, filter);
        QFETCH(QString, seen);
        mining::SeenKeywords seenKeywords;
        seenKeywords.reset(seen);
        QStringList accepted;
        const QString result =
            mining::jcf(layout::classicLinkTexts(block), {minLength, filter}, seenKeywords,
                        [&](const QString &word) { accepted << word; });
        QTEST(accepted.join(u','), "expected");
        QCOMPARE(result, accepted.isEmpty() ? QString() : accepted.join(u"\r\n") + u"\r\n");
    }

    // The index must answer exactly as a case-insensitive search of the text
    // for CRLF + word + CRLF, whatever line breaks and letter cases the pieces
    // hold, also where a CRLF is split between two appends.
    void framedLookupMatchesTextSearch()
    {
        QRandomGenerator random(1);
        const QStringList atoms = u"a|A|b|\r\n|\r|\n|Σ|σ|减"_s.split(u'|');
        auto randomText = [&](int maxAtoms) {
            QString text;
            const int n = int(random.bounded(maxAtoms + 1));
            for (int i = 0; i < n; ++i)
                text += atoms[random.bounded(int(atoms.size()))];
            return text;
        };
        mining::SeenKeywords seen;
        for (int round = 0; round < 12; ++round) {
            seen.reset(randomText(6)); // forgets all that came before
            for (int step = 0; step < 40; ++step) {
                seen.append(randomText(6));
                for (int probe = 0; probe < 20; ++probe) {
                    const QString word = randomText(3);
                    QCOMPARE(seen.containsFramed(word),
                             seen.text().contains(u"\r\n" + word + u"\r\n", Qt::CaseInsensitive));
                }
            }
        }
    }

    void elapsedTimeWithTheClockSetBack()
    {
        const QDateTime start = QDateTime::currentDateTime();
        QCOMPARE(mining::elapsedSeconds(start, start.addSecs(-75)), 75);
    }
    void run_data()
    {
        // settings: limit, minimum length and filter text, as typed
        // queries: as the site saw them
        columns<QString, QString, bool, QString, QString, QString, int>(
            "graph", "settings", "stopAtOnce", "list", "queries", "lastCount", "state");
        auto row = [](const char *name) -> QTestData & { return QTest::newRow(name); };
        row("two generations") << u"s:a,b;a:c,a;b:d"_s << u"1000 0"_s << false << u"|a|b||c|d|"_s
                               << u"s,a,b,,c,d,"_s << u"4 个"_s << 0;
        row("limit inside the first block") << u"s:k1,k2,k3,k4,k5,k6"_s << u"5 0"_s << false
                                            << u"k1|k2|k3|k4|k5|k6|"_s << u"s"_s << u"6 个"_s << 2;
        row("limit inside a later block lets the block finish")
            << u"s:a,b;a:c,d;b:e"_s << u"3 0"_s << false << u"|a|b||c|d|"_s << u"s,a"_s << u"4 个"_s
            << 2;
        row("unreadable limit is 0 after start-up")
            << u"s:a,b;a:c"_s << u"many x"_s << false << u"a|b|"_s << u"s"_s << u"2 个"_s << 2;
        row("stop during the seed fetch")
            << u"s:a,b;a:c"_s << u"1000 0"_s << true << u"a|b|"_s << u"s"_s << u"2 个"_s << 2;
        row("stop during a seed fetch that finds nothing")
            << u"s:"_s << u"1000 0"_s << true << QString() << u"s"_s << QString() << 0;
        row("filter stops the spread") << u"s:xa,b;b:xc;xa:xd,e"_s << u"1000 0 X"_s << false
                                       << u"|xa||xd|"_s << u"s,xa,,xd,"_s << u"2 个"_s << 0;
        row("twin links listed and queried twice")
            << u"s:a,a;a:b,b"_s << u"1000 0"_s << false << u"|a|a||b|b|"_s << u"s,a,a,,b,b,"_s
            << u"4 个"_s << 0;
        row("seed is not put into the seen list, empty keyword is queried")
            << u"s:a;a:s;:e"_s << u"1000 0"_s << false << u"|a||s|e|"_s << u"s,a,,s,e,"_s
            << u"3 个"_s << 0;
    }
    void run()
    {
        QFETCH(QString, graph);
        QFETCH(QString, settings);
        QFETCH(bool, stopAtOnce);
        QFETCH(QString, list);

        Rig rig(graph);
        const QStringList typed = settings.split(u' ');
        QSignalSpy finished(&rig.run, &MiningRun::finished);
        QVERIFY(
            rig.run.start(input(u"s"_s, typed[0], typed[1], typed.value(2, mining::kFilterOff))));
        if (stopAtOnce)
            rig.run.requestStop();
        QVERIFY(finished.wait(10000));
        QCOMPARE(rig.list, lines(list));
        QTEST(rig.queries(), "queries");
        // Label2 shows every keyword queried after the seed.
        QCOMPARE(rig.labels, rig.site.queries().mid(1));
        QTEST(rig.counts.value(rig.counts.size() - 1), "lastCount");
        QTEST(rig.run.runState(), "state");
    }

    void failuresAndSpoiltPages_data()
    {
        // failing: each fails once
        // failed: keyword/generation of the failed queries
        columns<QString, QString, int, int, QString, QString, int>(
            "graph", "failing", "retries", "maxInARow", "failed", "queries", "state");
        QTest::newRow("seed page fails") << u"s:a"_s << u"s"_s << 0 << 0 << u"s/0"_s << u"s"_s << 0;
        QTest::newRow("a retry recovers it")
            << u"s:a;a:b"_s << u"a"_s << 1 << 0 << QString() << u"s,a,a,,b,"_s << 0;
        QTest::newRow("failures in a row end the run")
            << u"s:a,b,c"_s << u"a,b"_s << 0 << 2 << u"a/1,b/1"_s << u"s,a,b"_s << 2;
        QTest::newRow("a page in between starts the count again")
            << u"s:a,b,c"_s << u"a,c"_s << 0 << 2 << u"a/1,c/1"_s << u"s,a,b,c,"_s << 0;
    }
    void failuresAndSpoiltPages()
    {
        QFETCH(QString, graph);
        QFETCH(QString, failing);
        QFETCH(int, retries);
        QFETCH(int, maxInARow);
        QFETCH(QString, queries);

        Rig rig(graph, {.retries = retries, .maxFailuresInARow = maxInARow});
        for (const QString &keyword : failing.split(u','))
            rig.site.failKeyword(keyword, 1);
        rig.site.spoilPage(u"b"_s);
        QVERIFY(rig.mine(input(u"s"_s)));
        QTEST(rig.failed.join(u','), "failed");
        QCOMPARE(rig.queries(), queries);
        QTEST(rig.run.runState(), "state");
        // A page with a byte its charset does not know is still harvested.
        QCOMPARE(rig.spoilt, queries.contains(u",b,"_s) ? QStringList{u"b"_s} : QStringList{});
    }

    void secondRunForgetsFirstRunsKeywords()
    {
        Rig rig(u"s:a,b;t:a,c;c:a"_s);
        QVERIFY(rig.mine(input(u"s"_s)));
        QCOMPARE(rig.list, lines(u"|a|b||"_s));
        QSignalSpy first(&rig.run, &MiningRun::firstHarvest);
        QVERIFY(rig.mine(input(u"t"_s)));
        // The first harvest still knows run one's keywords; later generations do not.
        QCOMPARE(first.at(0).at(0).toString(), lines(u"c|"_s));
        QCOMPARE(rig.list, lines(u"|c||a|"_s));
        QCOMPARE(rig.counts.constLast(), u"2 个"_s);
    }

    void startWhileRunningIsIgnored()
    {
        Rig rig(u"s:a;a:b;t:x"_s);
        QSignalSpy finished(&rig.run, &MiningRun::finished);
        QVERIFY(rig.run.start(input(u"s"_s)));
        QVERIFY(!rig.run.start(input(u"t"_s)));
        rig.run.requestStop();
        QVERIFY(!rig.run.start(input(u"t"_s)));
        QVERIFY(finished.wait(10000));
        QCOMPARE(rig.queries(), u"s"_s);
        // A run that ended on a stop no longer blocks the next one.
        QVERIFY(rig.mine(input(u"t"_s)));
        QCOMPARE(rig.list, lines(u"|x||"_s));
    }

    void unreadableSettingsKeepPreviousValues()
    {
        Rig rig(u"s:"_s);
        QVERIFY(rig.mine(input(u"s"_s, u" 7.5 "_s, u"-0.5"_s)));
        QVERIFY(rig.mine(input(u"s"_s, u"1e99"_s, u"x"_s)));
        QCOMPARE(rig.run.maxCount(), 7);
        QCOMPARE(rig.run.minLength(), -1);
    }

    void concurrencyChangesNothingVisible_data()
    {
        // stopAt: stop when Label2 shows this keyword
        columns<QString, QString, QString>("limit", "stopAt", "failing");
        QTest::newRow("to the end") << u"1000"_s << u"-"_s << u"-"_s;
        QTest::newRow("limit") << u"23"_s << u"-"_s << u"-"_s;
        QTest::newRow("stop button") << u"1000"_s << u"k17"_s << u"-"_s;
        QTest::newRow("failed pages") << u"1000"_s << u"-"_s << u"k5"_s;
    }
    void concurrencyChangesNothingVisible()
    {
        QFETCH(QString, limit);
        QFETCH(QString, stopAt);
        QFETCH(QString, failing);

        // Overlapping neighbourhoods, so duplicates turn up across pages.
        QString graph = u"s:k0,k1,k2"_s;
        for (int i = 0; i < 60; ++i)
            for (int j = 0; j < 4; ++j)
                graph += (j ? u","_s : u";k%1:"_s.arg(i)) + u"k%1"_s.arg((i * 7 + j * 13 + 1) % 60);
        QString first;
        for (int concurrency : {1, 3, 6}) {
            Rig rig(graph, {.concurrency = concurrency});
            rig.site.failKeyword(failing);
            connect(&rig.run, &MiningRun::querying, &rig.run, [&](const QString &keyword) {
                if (keyword == stopAt)
                    rig.run.requestStop();
            });
            QVERIFY(rig.mine(input(u"s"_s, limit)));
            QVERIFY(rig.accepted.size() > 20);
            const QString seen = (rig.labels + rig.counts + rig.accepted + rig.failed).join(u',') +
                                 rig.list + QString::number(rig.run.runState());
            if (first.isEmpty())
                first = seen;
            QCOMPARE(seen, first);
        }
    }

    void aPageThatSendsTheQueryOnIsFollowedOnce()
    {
        Rig rig(u"s:x;then:a"_s, {}, true);
        QVERIFY(rig.mine(input(u"s"_s)));
        QCOMPARE(rig.queries(), u"s,then,a,then,,then"_s);
        QCOMPARE(rig.list, lines(u"|a||"_s));
    }

    void sourcesAndVariants_data()
    {
        // graph: "?k:" gives the suggestions of k
        // options: source and expansion
        // accepted: keyword/generation/parent/source
        // queries: the first ones, then "…" and the last ones
        columns<QString, QString, QString, QString, int, QString>("graph", "options", "accepted",
                                                                  "queries", "queryCount", "list");

        const QString graph = u"s:a,b;?s:c,a;a:d;?b:e"_s;
        QTest::newRow("both: each keyword's related block, then its suggestions")
            << graph << u"both none"_s
            << u"a/1/s/related,b/1/s/related,c/1/s/suggest,d/2/a/related,e/2/b/suggest"_s
            << u"s,?s,a,?a,b,?b,c,?c,,?,d,?d,e,?e,,?"_s << 16 << u"|a|b||c|d|e|"_s;
        QTest::newRow("suggestions alone")
            << graph << u"suggest none"_s << u"c/1/s/suggest,a/1/s/suggest"_s << u"?s,?c,?a,?"_s
            << 4 << u"|c|a||"_s;
        // A variant's harvest joins its keyword's generation; a variant a page
        // lists becomes a keyword and is queried as one, without variants.
        QTest::newRow("az variants of the seed and the first generation")
            << u"s:a;s q:x;a:s q;a z:w;x:v"_s << u"related az"_s
            << u"a/1/s/related,x/1/s q/related,s q/2/a/related,w/2/a z/related,v/2/x/related"_s
            << u"s,s a,s b…x y,x z,,s q,w,v,"_s << 27 + 55 + 4 << u"|a||x|s q|w|v|"_s;
        QTest::newRow("question words before, then after; an empty seed harvest goes on")
            << u"s:;s怎么:y"_s << u"related questions"_s << u"y/1/s怎么/related"_s
            << u"s,怎么s,s怎么,如何s,s如何…y为什么,"_s << 13 + 14 << u"||y|"_s;
    }
    void sourcesAndVariants()
    {
        QFETCH(QString, graph);
        QFETCH(QString, options);
        QFETCH(QString, queries);
        QFETCH(int, queryCount);

        Rig rig(graph);
        const QStringList option = options.split(u' ');
        MiningInput in = input(u"s"_s);
        in.source = *mining::parseSource(option[0]);
        in.expansion = *mining::parseExpansion(option[1]);
        QVERIFY(rig.mine(in));
        QTEST(rig.accepted.join(u','), "accepted");
        QFETCH(QString, list);
        QCOMPARE(rig.list, lines(list));
        const QStringList asked = rig.site.queries();
        QCOMPARE(asked.size(), queryCount);
        QCOMPARE(rig.run.queriesMade(), queryCount);
        const QStringList ends = queries.split(u'…');
        QCOMPARE(asked.mid(0, ends[0].count(u',') + 1).join(u','), ends[0]);
        if (ends.size() > 1)
            QCOMPARE(asked.mid(asked.size() - ends[1].count(u',') - 1).join(u','), ends[1]);
    }

    void resumedRunEndsAsIfNeverStopped_data()
    {
        columns<int, QString>("concurrency", "limit");
        QTest::newRow("to the end, three in flight") << 3 << u"1000"_s;
        QTest::newRow("the limit stops the resumed run too") << 3 << u"30"_s;
    }
    // A run resumed from any of its checkpoints, in a new run object, accepts
    // exactly the keywords the whole run accepted after that point and leaves
    // the same list.
    void resumedRunEndsAsIfNeverStopped()
    {
        QFETCH(int, concurrency);
        QFETCH(QString, limit);

        // Overlapping neighbourhoods in both sources, so duplicates cross pages.
        QString graph = u"s:k0,k1;?s:k2,k0"_s;
        for (int i = 0; i < 40; ++i)
            for (int j = 0; j < 3; ++j)
                graph += (j ? u","_s : u";%1k%2:"_s.arg(i % 2 ? u"?"_s : QString()).arg(i)) +
                         u"k%1"_s.arg((i * 7 + j * 13 + 1) % 40);
        MiningInput in = input(u"s"_s, limit);
        in.source = mining::SourceChoice::Both;
        in.expansion = mining::Expansion::Questions;
        Rig whole(graph, {concurrency, 0, 0});
        QList<mining::RunCheckpoint> checkpoints;
        QList<qsizetype> acceptedBefore;
        // Each query's step, applied to the checkpoint before it, gives the one after.
        mining::RunCheckpoint folded;
        folded.keywords = {in.seed};
        bool stepsFold = true;
        connect(&whole.run, &MiningRun::checkpointReached, this, [&] {
            checkpoints << whole.run.checkpoint();
            acceptedBefore << whole.accepted.size();
            mining::applyStep(folded, whole.run.lastStep());
            stepsFold = stepsFold && folded == checkpoints.last();
        });
        QVERIFY(whole.mine(in));
        QVERIFY(stepsFold);
        QVERIFY(whole.accepted.size() > 20);
        QVERIFY(checkpoints.size() > 50);

        for (qsizetype i = 0; i < checkpoints.size(); i += i + 1 < checkpoints.size() ? 7 : 1) {
            Rig part(graph, {concurrency, 0, 0});
            QSignalSpy finished(&part.run, &MiningRun::finished);
            QVERIFY(part.run.resume(in, checkpoints[i]));
            QVERIFY(finished.count() || finished.wait(20000));
            QCOMPARE(whole.accepted.mid(0, acceptedBefore[i]) + part.accepted, whole.accepted);
            QCOMPARE(part.list, whole.list);
            QCOMPARE(part.run.runState(), whole.run.runState());
            QCOMPARE(part.run.queriesMade(), whole.run.queriesMade());
        }
        // A checkpoint from other settings does not fit.
        in.expansion = mining::Expansion::None;
        Rig other(graph);
        QVERIFY(!other.run.resume(in, checkpoints[5]));
    }

    void fetchPolicyDefaults_data()
    {
        columns<QStringList, int, bool>("flags", "retries", "autoPace");
        QTest::newRow("live on the real web: learnt pace, 3 retries") << QStringList{} << 3 << true;
        QTest::newRow("live on the embedded sandbox: unpaced")
            << QStringList{u"--sandbox"_s, u"--layout=live"_s} << 0 << false;
        QTest::newRow("--pace auto asked for on the sandbox")
            << QStringList{u"--sandbox"_s, u"--pace=auto"_s} << 0 << true;
        QTest::newRow("a fixed delay turns the learning off")
            << QStringList{u"--delay=0"_s, u"--retries=5"_s} << 5 << false;
    }
    void fetchPolicyDefaults()
    {
        QFETCH(QStringList, flags);
        config::Settings settings;
        const auto given = config::parseOptions(flags, config::settingsOptions());
        QVERIFY(given && config::applySettingsFlags(settings, *given));
        if (settings.sandbox)
            QVERIFY(sandbox::useEmbeddedSandbox(this, settings, *given));
        const mining::FetchPolicy policy =
            mining::fetchPolicy(settings, *layout::chooseLayout(settings));
        QTEST(policy.retries, "retries");
        QTEST(policy.autoPace, "autoPace");
    }
};

QTEST_GUILESS_MAIN(MiningRunTest)
#include "tst_mining_run.moc"
