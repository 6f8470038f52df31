#include "cli_process.h"
#include "search_site.h"

#include <QJsonDocument>
#include <QJsonObject>
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
    void output_data();
    void output();
    void unwritableOutputStopsTheRun();
    void stopSignals_data();
    void stopSignals();
    void killedAndResumed_data();
    void killedAndResumed();
    void unusableStateFile_data();
    void unusableStateFile();
    void seenFile_data();
    void seenFile();
};

void MineCommandTest::output_data()
{
    QTest::addColumn<QByteArray>("args");
    QTest::addColumn<bool>("markerPage");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("err"); // part of standard error

    auto row = [](const char *name, const char *args) -> QTestData & {
        return QTest::newRow(name) << QByteArray(args);
    };
    row("lines; a spoilt page is named", "s")
        << true << QByteArray("a\nb\nc\nd\n") << 0 << QByteArray("page of 'a' holds bytes");
    row("raw", "s --raw") << true << crlf("|a|b||c|d|") << 0 << QByteArray();
    row("tsv, both sources", "s --format tsv --source both")
        << true
        << QByteArray("a\t1\ts\trelated\nb\t1\ts\trelated\nx\t1\ts\tsuggest\nc\t2\ta\trelated\n"
                      "d\t2\tb\trelated\n")
        << 0 << QByteArray();
    row("json, suggestions", "--format=json s --source=suggest")
        << true
        << QByteArray(
               "{\"keyword\":\"x\",\"generation\":1,\"parent\":\"s\",\"source\":\"suggest\"}\n"
               "{\"keyword\":\"a\",\"generation\":1,\"parent\":\"s\",\"source\":\"suggest\"}\n")
        << 0 << QByteArray();
    row("limit", "s --limit 1") << true << QByteArray("a\nb\n") << 0 << QByteArray();
    row("longer-than; a line break shown as a space", "t --longer-than 2")
        << true << QByteArray("x y\nabc\n") << 0 << QByteArray();
    row("contains", "t --contains B") << true << QByteArray("ab\nabc\nabd\n") << 0 << QByteArray();
    row("markers option wins over the page", "s --markers <p>--</p>")
        << true << QByteArray("furniture\n") << 0 << QByteArray();
    row("markers missing from the seed page", "s --markers <nothere>--</div>")
        << true << QByteArray() << 0 << QByteArray();
    row("empty start marker", "s --markers --</div>")
        << true << QByteArray() << 0 << QByteArray("warning: the seed's start marker is empty");
    row("marker page fails: built-in markers", "s")
        << false << QByteArray("a\nb\nc\nd\n") << 0 << QByteArray();
    row("seed page fails", "broken") << true << QByteArray() << 1 << QByteArray("seed page");
    row("failed query named, the run goes on", "u")
        << true << QByteArray("broken\ne\nf\n") << 3
        << QByteArray("query 'broken' failed: HTTP status 500");
    row("failures in a row end the run", "u --max-failures 1")
        << true << QByteArray("broken\ne\n") << 3 << QByteArray("--max-failures 1");
    row("empty seed", "''") << true << QByteArray() << 0
                            << QByteArray("warning: the seed is empty");
    for (const char *usage : {"--limit many", "--raw --format tsv", "--markers <p>", "--retries x",
                              "--max-failures -1", "a b", "--source web", "--expand all",
                              "--max-queries x", "--state f --format csv --output f.csv"})
        row(usage, usage) << true << QByteArray() << 2 << QByteArray("vantorix-cli: ");
}

void MineCommandTest::output()
{
    QFETCH(QByteArray, args);
    QFETCH(bool, markerPage);
    QFETCH(QByteArray, out);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, err);

    SearchSite site(u"s:a,b;?s:x,a;a:c,a;b:d;t:ab,X\r\ny,abc;ab:abd;u:broken,e;e:f"_s);
    site.failKeyword(u"broken"_s);
    site.spoilPage(u"a"_s);
    site.setMarkerPage(markerPage ? kMarkerPage : QByteArray(), markerPage ? 200 : 404);
    const CliResult run = runCli(mine(args + " --quiet", site));
    QVERIFY2(run.exitCode == exitCode, run.err.constData());
    QCOMPARE(run.out, out);
    QVERIFY2(run.err.contains(err), run.err.constData());
    if (exitCode == 3)
        QVERIFY(run.err.endsWith("vantorix-cli: 1 query failed\n"));
}

// Nobody reads the keywords any more: the run stops at the first failed write.
void MineCommandTest::unwritableOutputStopsTheRun()
{
#ifdef Q_OS_LINUX
    SearchSite site(u"s:a,b;a:c;b:d"_s);
    const CliResult run = runCli(mine("s", site), {}, CliInput::File, {}, u"/dev/full"_s);
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains("cannot write to standard output"));
    QCOMPARE(site.queries(), QStringList{u"s"_s});
#else
    QSKIP("writes to /dev/full");
#endif
}

void MineCommandTest::stopSignals_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("twice");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<int>("exitCode");
#ifdef Q_OS_UNIX
    QTest::newRow("Ctrl-C") << SIGINT << false << crlf("|a|b||c|") << 0;
    QTest::newRow("SIGTERM") << SIGTERM << false << crlf("|a|b||c|") << 0;
    QTest::newRow("SIGHUP") << SIGHUP << false << crlf("|a|b||c|") << 0;
    QTest::newRow("second Ctrl-C") << SIGINT << true << QByteArray() << 130;
#endif
}

// Once, the query in flight finishes and what was mined is printed; twice
// aborts at once.
void MineCommandTest::stopSignals()
{
#ifdef Q_OS_UNIX
    QFETCH(int, signal);
    QFETCH(bool, twice);
    QFETCH(QByteArray, out);
    QFETCH(int, exitCode);
    SearchSite site(u"s:a,b;a:c;b:d"_s);
    site.setDelay(u"a"_s, twice ? 30000 : 3000);
    const CliResult run = runCli(mine("s --raw", site), {}, CliInput::File, [&](QProcess &process) {
        QTRY_VERIFY_WITH_TIMEOUT(site.queries().contains(u"a"_s), 10000);
        ::kill(pid_t(process.processId()), signal);
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += process.readAllStandardError()).contains("stopping"),
                                 10000);
        if (twice)
            ::kill(pid_t(process.processId()), SIGINT);
    });
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, out);
    QCOMPARE(site.queries(), (QStringList{u"s"_s, u"a"_s}));
#endif
}

void MineCommandTest::killedAndResumed_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<bool>("toFile"); // --output: byte for byte; else nothing lost
    QTest::newRow("tsv into a file") << u"--format tsv"_s << true;
    QTest::newRow("lines into a file, three in flight") << u"--concurrency 3"_s << true;
    QTest::newRow("json to a pipe that closes, two in flight")
        << u"--format json --concurrency 2"_s << false;
}

// Stopped 30 times at random moments (SIGKILL, SIGTERM, and a pipe closed by
// its reader), each time resumed, then run to the end: the --output file is
// the one an uninterrupted run writes; on standard output a query's records
// may come twice but none is missing. A run resumed once more adds nothing.
void MineCommandTest::killedAndResumed()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, options);
    QFETCH(bool, toFile);
    SearchSite site(resumeGraph());
    for (int i = 0; i < 30; ++i)
        for (const QString &key : {u"k%1"_s, u"?k%1"_s})
            site.setDelay(key.arg(i), 15);
    QTemporaryDir dir;
    const QString out = dir.filePath(u"out"_s);
    const QStringList args = mine("s --source both --expand questions --quiet", site) +
                             options.split(u' ') +
                             (toFile ? QStringList{u"--output"_s, out} : QStringList());
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

void MineCommandTest::unusableStateFile_data()
{
    QTest::addColumn<QString>("pattern"); // in the saved file; "" cuts it in half
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("args"); // the seed first
    QTest::addColumn<QByteArray>("err");

    const QByteArray damaged = "not a mining state file, or a damaged one";
    QTest::newRow("cut off") << QString() << QString() << u"s"_s << damaged;
    QTest::newRow("another JSON file")
        << u"^.*$"_s << u"{\"a\":1}"_s << u"s"_s << "not a mining state file of this version"_ba;
    QTest::newRow("a member of the wrong kind")
        << u"\"position\":\\d+"_s << u"\"position\":\"3\""_s << u"s"_s
        << "\"position\" is missing or of the wrong kind"_ba;
    QTest::newRow("a position past its generation")
        << u"\"position\":\\d+"_s << u"\"position\":99"_s << u"s"_s
        << "does not fit the run's settings"_ba;
    QTest::newRow("another source")
        << u"x^"_s << QString() << u"s --source suggest"_s
        << "holds a run with --source both; this run has --source suggest"_ba;
    QTest::newRow("no filter then") << u"x^"_s << QString() << u"s --contains k"_s
                                    << "with --contains (none); this run has --contains k"_ba;
}

// Refused as a usage error that says why, and left as it was.
void MineCommandTest::unusableStateFile()
{
    QFETCH(QString, pattern);
    QFETCH(QString, replacement);
    QFETCH(QString, args);
    QFETCH(QByteArray, err);
    SearchSite site(resumeGraph());
    QTemporaryDir dir;
    const QString state = dir.filePath(u"run.state"_s);
    auto run = [&](const QString &more) {
        return runCli(mine("--source both --quiet --limit 20 --state", site) + QStringList{state} +
                      more.split(u' '));
    };
    QCOMPARE(run(u"s"_s).exitCode, 0);
    QFile file(state);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QString text = QString::fromUtf8(file.readAll());
    text = pattern.isEmpty() ? text.left(text.size() / 2)
                             : text.replace(QRegularExpression(pattern), replacement);
    QVERIFY(file.resize(0) && file.write(text.toUtf8()) >= 0 && file.flush());
    const CliResult refused = run(args);
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains(err), refused.err.constData());
    QVERIFY(file.seek(0));
    QCOMPARE(QString::fromUtf8(file.readAll()), text);
}

void MineCommandTest::seenFile_data()
{
    QTest::addColumn<QByteArray>("content"); // none: no such file
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("neither found nor queried, any case or line end") << "\xEF\xBB\xBF"
                                                                        "A\r\n\nzz\n"_ba
                                                                     << "b\nd\n"_ba << 0;
    QTest::newRow("no such file") << QByteArray() << QByteArray() << 1;
}

void MineCommandTest::seenFile()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"seen.txt"_s);
    QFile file(path);
    QVERIFY(content.isNull() || (file.open(QIODevice::WriteOnly) && file.write(content) >= 0));
    file.close();
    SearchSite site(u"s:a,b;a:c,a;b:d"_s);
    const CliResult run = runCli(mine("s --quiet --seen", site) + QStringList{path});
    QTEST(run.exitCode, "exitCode");
    QTEST(run.out, "out");
    if (run.exitCode == 0)
        QVERIFY(!site.queries().contains(u"a"_s));
    else
        QVERIFY(run.err.contains("--seen"));
}

QTEST_GUILESS_MAIN(MineCommandTest)
#include "tst_cli_mine.moc"
