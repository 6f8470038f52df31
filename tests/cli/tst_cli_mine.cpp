#include "cli_process.h"
#include "search_site.h"

#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
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
    row("tsv", "s --format tsv") << true << QByteArray("a\t1\ts\nb\t1\ts\nc\t2\ta\nd\t2\tb\n") << 0
                                 << QByteArray();
    row("json", "--format=json s")
        << true
        << QByteArray("{\"keyword\":\"a\",\"generation\":1,\"parent\":\"s\"}\n"
                      "{\"keyword\":\"b\",\"generation\":1,\"parent\":\"s\"}\n"
                      "{\"keyword\":\"c\",\"generation\":2,\"parent\":\"a\"}\n"
                      "{\"keyword\":\"d\",\"generation\":2,\"parent\":\"b\"}\n")
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
                              "--max-failures -1", "a b"})
        row(usage, usage) << true << QByteArray() << 2 << QByteArray("vantorix-cli: ");
}

void MineCommandTest::output()
{
    QFETCH(QByteArray, args);
    QFETCH(bool, markerPage);
    QFETCH(QByteArray, out);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, err);

    SearchSite site(u"s:a,b;a:c,a;b:d;t:ab,X\r\ny,abc;ab:abd;u:broken,e;e:f"_s);
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

QTEST_GUILESS_MAIN(MineCommandTest)
#include "tst_cli_mine.moc"
