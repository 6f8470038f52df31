#include "cli_process.h"
#include "data_table.h"
#include "sandbox/sandbox_server.h"
#include "search_site.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

const QByteArray kMarkerPage = "<!--[[v3.3--<div id=rs>--</div>]]-->";
const QString kLongKeyword(5000, u'w'); // its query fails

// `mine` with the given words (split at spaces; '' is an empty one), pointed at the site.
QStringList mine(const QByteArray &words, const SearchSite &site)
{
    QStringList args = QString::fromUtf8(words).split(u' ', Qt::SkipEmptyParts);
    args.replaceInStrings(u"''"_s, QString());
    return QStringList{u"mine"_s, u"--search-host"_s, site.host(), u"--publisher-host"_s,
                       site.host()} +
           args;
}

QByteArray crlf(QByteArray compact)
{
    return compact.replace('|', "\r\n");
}

// Related searches and suggestions with overlapping neighbourhoods.
QString resumeGraph()
{
    QString graph = u"s:k0,k1;?s:k2,k0"_s;
    for (int i = 0; i < 30; ++i)
        for (const QString &source : {QString(), u"?"_s})
            for (int j = 0; j < 3; ++j)
                graph += (j ? u","_s : u";%1k%2:"_s.arg(source).arg(i)) +
                         u"k%1"_s.arg((i * 7 + j * 11 + source.size()) % 30);
    return graph;
}

} // namespace

class MineCommandTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
#ifdef Q_OS_UNIX
        // A signal ignored here (a background job, nohup) would stay ignored
        // in the program under test.
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signal, SIG_DFL);
#endif
    }

    void output_data()
    {
        // err: part of standard error; markerPage: else the marker page fails
        columns<QByteArray, QByteArray, int, QByteArray, bool>("args", "out", "exitCode", "err",
                                                               "markerPage");
        const auto row = [](const char *name, const char *args, const QByteArray &out,
                            int exitCode = 0, const QByteArray &err = {}, bool markerPage = true) {
            QTest::newRow(name) << QByteArray(args) << out << exitCode << err << markerPage;
        };
        row("lines; a spoilt page is named", "s", "a\nb\nc\nd\n", 0, "page of 'a' holds bytes");
        row("raw", "s --raw", crlf("|a|b||c|d|"));
        row("tsv, both sources", "s --format tsv --source both",
            "a\t1\ts\trelated\nb\t1\ts\trelated\nx\t1\ts\tsuggest\nc\t2\ta\trelated\n"
            "d\t2\tb\trelated\n");
        row("json, suggestions", "--format=json s --source=suggest",
            "{\"keyword\":\"x\",\"generation\":1,\"parent\":\"s\",\"source\":\"suggest\"}\n"
            "{\"keyword\":\"a\",\"generation\":1,\"parent\":\"s\",\"source\":\"suggest\"}\n");
        row("unreadable suggestions: one warning a run", "t --source both", "ab\nx y\nabc\nabd\n",
            0,
            "warning: 2 suggestion answers could not be read (empty, not JSON or cut off), the "
            "first for 't'");
        row("longer-than; a line break shown as a space", "t --longer-than 2", "x y\nabc\n");
        row("markers option wins over the page", "s --markers <p>--</p>", "furniture\n");
        row("markers missing from the seed page", "s --markers <nothere>--</div>", {});
        row("empty start marker", "s --markers --</div>", {}, 0,
            "warning: the seed's start marker is empty");
        row("marker page fails: built-in markers", "s", "a\nb\nc\nd\n", 0, {}, false);
        row("seed page fails", "broken", {}, 1, "seed page");
        row("failed query named, the run goes on", "u", "broken\ne\nf\n", 3,
            "query 'broken' failed: HTTP status 500");
        row("a long keyword is cut short in messages", "v", kLongKeyword.toUtf8() + '\n', 3,
            "query '" + QByteArray(200, 'w') + "\xE2\x80\xA6' failed: HTTP status 500 (http://");
        row("failures in a row end the run", "u --max-failures 1", "broken\ne\n", 3,
            "--max-failures 1");
        row("empty seed", "''", {}, 0, "warning: the seed is empty");
        // One usage error of each kind; their wording is the usage test's.
        for (const char *usage :
             {"--limit many", "--raw --format tsv", "--markers <p>", "--max-failures -1", "a b",
              "--source web", "--state f --format csv --output f.csv"})
            row(usage, usage, {}, 2, "vantorix-cli: ");
    }
    void output()
    {
        QFETCH(QByteArray, args);
        QFETCH(bool, markerPage);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, err);

        SearchSite site(u"s:a,b;?s:x,a;a:c,a;b:d;t:ab,X\r\ny,abc;ab:abd;u:broken,e;e:f;v:"_s +
                        kLongKeyword);
        site.failKeyword(u"broken"_s);
        site.failKeyword(kLongKeyword);
        site.spoilPage(u"a"_s);
        site.spoilPage(u"?t"_s);
        site.spoilPage(u"?ab"_s);
        site.setMarkerPage(markerPage ? kMarkerPage : QByteArray(), markerPage ? 200 : 404);
        const CliResult run = runCli(mine(args + " --quiet", site));
        QVERIFY2(run.exitCode == exitCode, run.err.constData());
        QTEST(run.out, "out");
        QVERIFY2(run.err.contains(err), run.err.constData());
        for (const QByteArray &line : run.err.split('\n'))
            QVERIFY2(line.size() < 600, line.constData());
        if (exitCode == 3)
            QVERIFY(run.err.endsWith("vantorix-cli: 1 query failed\n"));
    }

    void unwritableOutput_data()
    {
        // state: in the test's folder; the output is written the same without one
        columns<QString, QString, QStringList, QByteArray>("state", "stdout", "queries", "err");
        QTest::newRow("a full disk") << u"run.state"_s << u"/dev/full"_s << QStringList{u"s"_s}
                                     << "cannot write to standard output"_ba;
        QTest::newRow("no folder for the state")
            << u"none/run.state"_s << QString() << QStringList{}
            << "cannot create files in its folder"_ba;
    }
    // The first failed write ends the run (mining on would only load the search
    // engine), before any query when the state cannot be kept; resumed where the
    // writes work, the run prints every keyword.
    void unwritableOutput()
    {
#ifdef Q_OS_LINUX
        QFETCH(QString, state);
        QFETCH(QString, stdout);
        SearchSite site(u"s:a,b;a:c;b:d"_s);
        QTemporaryDir dir;
        const QStringList args = mine("s --quiet --state", site) + QStringList{dir.filePath(state)};
        const CliResult run = runCli(args, {}, CliInput::File, {}, stdout);
        QCOMPARE(run.exitCode, 1);
        QTEST(site.queries(), "queries");
        QFETCH(QByteArray, err);
        QVERIFY2(run.err.contains(err), run.err.constData());
        if (!stdout.isEmpty())
            QCOMPARE(runCli(args).out, "a\nb\nc\nd\n"_ba);
#else
        QSKIP("writes to /dev/full");
#endif
    }

    void stopSignals_data()
    {
        // delay: --delay; else the page of a comes late
        columns<int, bool, QString, QByteArray, int>("signal", "twice", "delay", "out", "exitCode");
#ifdef Q_OS_UNIX
        QTest::newRow("Ctrl-C") << SIGINT << false << QString() << crlf("|a|b||c|") << 0;
        QTest::newRow("SIGTERM") << SIGTERM << false << QString() << crlf("|a|b||c|") << 0;
        QTest::newRow("SIGHUP") << SIGHUP << false << QString() << crlf("|a|b||c|") << 0;
        QTest::newRow("second Ctrl-C") << SIGINT << true << QString() << QByteArray() << 130;
        QTest::newRow("SIGTERM in a pace wait: a is not asked")
            << SIGTERM << false << u"30000"_s << crlf("a|b|") << 0;
#endif
    }
    // Once, the query in flight finishes and what was mined is printed; twice
    // aborts at once.
    void stopSignals()
    {
#ifdef Q_OS_UNIX
        QFETCH(int, signal);
        QFETCH(bool, twice);
        QFETCH(QString, delay);
        QFETCH(QByteArray, out);
        QFETCH(int, exitCode);
        SearchSite site(u"s:a,b;a:c;b:d"_s);
        if (delay.isEmpty())
            site.setDelay(u"a"_s, twice ? 30000 : 3000);
        const QStringList args =
            mine("s --raw", site) +
            (delay.isEmpty() ? QStringList() : QStringList{u"--delay"_s, delay});
        const CliResult run = runCli(args, {}, CliInput::File, [&](QProcess &process) {
            QTRY_VERIFY_WITH_TIMEOUT(site.queries().contains(delay.isEmpty() ? u"a"_s : u"s"_s),
                                     10000);
            ::kill(pid_t(process.processId()), signal);
            QByteArray err;
            QTRY_VERIFY_WITH_TIMEOUT((err += process.readAllStandardError()).contains("stopping"),
                                     10000);
            if (twice)
                ::kill(pid_t(process.processId()), SIGINT);
        });
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, out);
        const QStringList asked =
            delay.isEmpty() ? QStringList{u"s"_s, u"a"_s} : QStringList{u"s"_s};
        QCOMPARE(site.queries(), asked);
#endif
    }

    void killedAndResumed_data()
    {
        // toFile: --output: byte for byte; else nothing lost
        columns<QString, bool>("options", "toFile");
        QTest::newRow("tsv into a file") << u"--format tsv"_s << true;
        QTest::newRow("lines into a file, three in flight") << u"--concurrency 3"_s << true;
        QTest::newRow("json to a pipe that closes, two in flight")
            << u"--format json --concurrency 2"_s << false;
        QTest::newRow("three engines, tsv into a file, two in flight")
            << u"--engine all --format tsv --concurrency 2 --delay 0"_s << true;
    }
    // Stopped 30 times at random moments (SIGKILL, SIGTERM, and a pipe closed by
    // its reader), each time resumed, then run to the end: the --output file is
    // the one an uninterrupted run writes; on standard output a query's records
    // may come twice but none is missing. A run resumed once more adds nothing.
    void killedAndResumed()
    {
#ifdef Q_OS_UNIX
        QFETCH(QString, options);
        QFETCH(bool, toFile);
        SearchSite site(resumeGraph());
        for (int i = 0; i < 30; ++i)
            for (const QString &key : {u"k%1"_s, u"?k%1"_s})
                site.setDelay(key.arg(i), 15);
        // Baidu, Sogou and 360 at once need the sandbox's pages.
        vantorix::sandbox::SandboxServer engines(
            vantorix::sandbox::SandboxOptions{.fanout = 2, .depth = 3, .latencyMs = 5});
        QVERIFY(engines.listen());
        const QString host = engines.host();
        QTemporaryDir dir;
        const QString out = dir.filePath(u"out"_s);
        const QStringList args =
            (options.contains(u"--engine"_s)
                 ? QStringList{u"mine"_s, u"减肥"_s, u"--search-host"_s, host,
                               u"--sogou-search-host"_s, host, u"--so360-search-host"_s, host,
                               u"--publisher-host"_s, host, u"--quiet"_s}
                 : mine("s --source both --expand questions --quiet", site)) +
            options.split(u' ') + (toFile ? QStringList{u"--output"_s, out} : QStringList());
        // Standard output goes into a FIFO that the test reads and may close.
        const QByteArray fifo = dir.filePath(u"fifo"_s).toLocal8Bit();
        QVERIFY(::mkfifo(fifo.constData(), 0600) == 0);
        int reader = -1;
        QByteArray printed;
        auto drain = [&] {
            char buffer[4096];
            for (ssize_t got; reader >= 0 && (got = ::read(reader, buffer, sizeof buffer)) > 0;)
                printed.append(buffer, got);
        };
        auto run = [&](const QString &state, const std::function<void(QProcess &)> &whileRunning) {
            reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            CliResult result = runCli(
                args + QStringList{u"--state"_s, state}, {}, CliInput::File,
                [&](QProcess &p) {
                    if (whileRunning)
                        whileRunning(p);
                    for (; p.state() == QProcess::Running; QTest::qWait(10))
                        drain();
                },
                QString::fromLocal8Bit(fifo));
            drain();
            if (reader >= 0)
                ::close(reader);
            QFile file(out);
            if (toFile && file.open(QIODevice::ReadOnly))
                result.out = file.readAll();
            return result;
        };
        const CliResult whole = run(dir.filePath(u"whole"_s), {});
        QCOMPARE(whole.exitCode, 0);
        const QByteArray wholeOut = toFile ? whole.out : std::exchange(printed, QByteArray());
        QVERIFY(wholeOut.count('\n') > 20);

        const QString state = dir.filePath(u"run.state"_s);
        QRandomGenerator random(22);
        for (int i = 0; i < 30; ++i) {
            run(state, [&](QProcess &p) {
                const qint64 until = random.bounded(40, 250);
                for (QElapsedTimer clock;
                     clock.isValid() ? clock.elapsed() < until : (clock.start(), true);
                     QTest::qWait(10))
                    drain();
                const auto pid = pid_t(p.processId());
                if (p.state() != QProcess::Running || pid <= 0)
                    return;
                if (i % 3 == 2) {
                    // Everything written so far is read, then nobody reads.
                    ::kill(pid, SIGSTOP);
                    QTest::qWait(20);
                    drain();
                    ::close(std::exchange(reader, -1));
                    ::kill(pid, SIGCONT);
                } else {
                    ::kill(pid, i % 3 ? SIGTERM : SIGKILL);
                }
            });
        }
        const CliResult last = run(state, {});
        QCOMPARE(last.exitCode, 0);
        if (toFile) {
            QCOMPARE(last.out, wholeOut);
        } else {
            QStringList kept; // each record at its first showing
            for (const QString &line : QString::fromUtf8(printed).split(u'\n'))
                if (!kept.contains(line))
                    kept << line;
            QCOMPARE(kept.join(u'\n'), QString::fromUtf8(wholeOut));
        }
        printed.clear();
        const CliResult again = run(state, {});
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(toFile ? again.out : printed, toFile ? wholeOut : QByteArray());
#endif
    }

    // A second run on the file is refused at once; the lock of a killed run is
    // taken over.
    void oneRunPerStateFile()
    {
#ifdef Q_OS_UNIX
        SearchSite site(u"s:a,b;a:c;b:d"_s);
        site.setDelay(u"a"_s, 60000);
        QTemporaryDir dir;
        const QStringList args =
            mine("s --quiet --state", site) + QStringList{dir.filePath(u"st"_s)};
        CliResult second;
        const CliResult first = runCli(args, {}, CliInput::File, [&](QProcess &p) {
            QTRY_VERIFY_WITH_TIMEOUT(site.queries().contains(u"a"_s), 10000);
            second = runCli(args);
            p.kill();
        });
        QVERIFY(first.crashed);
        QCOMPARE(second.exitCode, 1);
        QVERIFY2(second.err.contains("in use by another run"), second.err.constData());
        QCOMPARE(site.queries(), (QStringList{u"s"_s, u"a"_s}));
        site.setDelay(u"a"_s, 0);
        const CliResult taken = runCli(args);
        QCOMPARE(taken.exitCode, 0);
        QCOMPARE(first.out + taken.out, "a\nb\nc\nd\n"_ba);
#endif
    }

    void failuresAskedAgain_data()
    {
        // out: of both runs
        columns<QString, QByteArray, QByteArray>("options", "firstOut", "out");
        QTest::newRow("a failed query") << u"s"_s << "a\nb\nd\n"_ba
                                        << "a\nb\nd\nc\ne\n"_ba;
        QTest::newRow("stopped by --max-failures") << u"s --max-failures 1"_s << "a\nb\n"_ba
                                                   << "a\nb\nc\nd\ne\n"_ba;
        QTest::newRow("the seed failed") << u"a"_s << QByteArray() << "c\ne\n"_ba;
    }
    // A run that ended incomplete goes on, once the site answers, with the
    // queries that failed: the two runs print what one clean run prints.
    void failuresAskedAgain()
    {
        QFETCH(QString, options);
        QFETCH(QByteArray, firstOut);
        SearchSite site(u"s:a,b;a:c;b:d;c:e"_s);
        site.failKeyword(u"a"_s, 1);
        QTemporaryDir dir;
        const QStringList args = mine("--quiet --state", site) +
                                 QStringList{dir.filePath(u"st"_s)} + options.split(u' ');
        const CliResult failed = runCli(args);
        QCOMPARE(failed.exitCode, firstOut.isEmpty() ? 1 : 3);
        QCOMPARE(failed.out, firstOut);
        const CliResult resumed = runCli(args);
        QCOMPARE(resumed.exitCode, 0);
        QTEST(QByteArray(failed.out + resumed.out), "out");
    }

    void unusableStateFile_data()
    {
        // pattern: in the saved file; "" cuts it in half
        // args: the seed first
        columns<QString, QString, QString, QByteArray>("pattern", "replacement", "args", "err");

        const QByteArray damaged = "not a mining state file, or a damaged one";
        QTest::newRow("cut off") << QString() << QString() << u"s"_s << damaged;
        QTest::newRow("another JSON file") << u"^.*$"_s << u"{\"a\":1}"_s << u"s"_s
                                           << "not a mining state file of this version"_ba;
        QTest::newRow("a member of the wrong kind")
            << u"\"position\":\\d+"_s << u"\"position\":\"3\""_s << u"s"_s
            << "\"position\" is missing or of the wrong kind"_ba;
        QTest::newRow("a position past its generation")
            << u"\"position\":\\d+"_s << u"\"position\":99"_s << u"s"_s
            << "does not fit the run's settings"_ba;
        QTest::newRow("another source")
            << u"x^"_s << QString() << u"s --source suggest"_s
            << "holds a run with --source both; this run has --source suggest"_ba;
    }
    // Refused as a usage error that says why, and left as it was.
    void unusableStateFile()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, replacement);
        QFETCH(QString, args);
        QFETCH(QByteArray, err);
        SearchSite site(resumeGraph());
        QTemporaryDir dir;
        const QString state = dir.filePath(u"run.state"_s);
        auto run = [&](const QString &more) {
            return runCli(mine("--source both --quiet --limit 20 --state", site) +
                          QStringList{state} + more.split(u' '));
        };
        QCOMPARE(run(u"s"_s).exitCode, 0);
        QFile file(state);
        QVERIFY(file.open(QIODevice::ReadWrite));
        // The snapshot alone, of the run's start, is a state file too.
        QString text = QString::fromUtf8(file.readLine());
        text = pattern.isEmpty() ? text.left(text.indexOf(u'\n') / 2)
                                 : text.replace(QRegularExpression(pattern), replacement);
        QVERIFY(file.resize(0) && file.write(text.toUtf8()) >= 0 && file.flush());
        const CliResult refused = run(args);
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.err.contains(err), refused.err.constData());
        QVERIFY(file.seek(0));
        QCOMPARE(QString::fromUtf8(file.readAll()), text);
    }

    void seenFile_data()
    {
        // err: part of standard error
        columns<QByteArray, QByteArray, QByteArray>("content", "out", "err");
        QTest::newRow("neither found nor queried, any case or line end")
            << "\xEF\xBB\xBF"
               "A\r\n\nzz\n"_ba
            << "b\nd\n"_ba
            << "--seen: 2 keywords loaded"_ba;
        QTest::newRow("every keyword of the seed's page seen")
            << "a\nb\n"_ba << QByteArray() << "nothing new: every keyword"_ba;
    }
    void seenFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"seen.txt"_s);
        QFETCH(QByteArray, content);
        QVERIFY(writeFile(path, content));
        SearchSite site(u"s:a,b;a:c,a;b:d"_s);
        const CliResult run = runCli(mine("s --seen", site) + QStringList{path});
        QCOMPARE(run.exitCode, 0);
        QTEST(run.out, "out");
        QVERIFY(!site.queries().contains(u"a"_s));
        QFETCH(QByteArray, err);
        // A run this short gives no rate.
        QVERIFY2(run.err.contains(err) && !run.err.contains("q/s"), run.err.constData());
    }

    void resumedRunCountsInWords()
    {
        SearchSite site(u"e:f"_s);
        QTemporaryDir dir;
        const QStringList args =
            mine("e --max-queries 1 --state", site) + QStringList{dir.filePath(u"run.state"_s)};
        QCOMPARE(runCli(args).exitCode, 0);
        const CliResult resumed = runCli(args);
        QVERIFY2(resumed.err.contains("resuming after query 1, 1 keyword found so far\n"),
                 resumed.err.constData());
        const CliResult again = runCli(args);
        QVERIFY2(again.exitCode == 0 && again.err.endsWith("already complete (1 keyword); "
                                                           "nothing is left to query\n"),
                 again.err.constData());
    }
};

QTEST_GUILESS_MAIN(MineCommandTest)
#include "tst_cli_mine.moc"
