#include "search_site.h"
#include "cli_process.h"
#include "sandbox/sandbox_server.h"

#include <QProcess>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

QStringList siteArgs(const QString &host)
{
    return {QStringLiteral("--search-host"),    host,
            QStringLiteral("--publisher-host"), host,
            QStringLiteral("--timeout"),        QStringLiteral("30")};
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
    void output_data();
    void output();
    void usageErrors_data();
    void usageErrors();
    void rawOutputIndependentOfConcurrency();
    void interruptStopsAfterQueryInFlight();
};

void MineCommandTest::output_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("markerPage");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<int>("exitCode");

    const QByteArray markers = "<!--[[v3.3--<div id=rs>--</div>]]-->";
    QTest::newRow("lines") << QStringList{QStringLiteral("s")} << markers
                           << QByteArray("a\nb\nc\nd\n") << 0;
    QTest::newRow("raw") << QStringList{QStringLiteral("s"), QStringLiteral("--raw")} << markers
                         << crlf("|a|b||c|d|") << 0;
    QTest::newRow("tsv") << QStringList{QStringLiteral("s"), QStringLiteral("--format"),
                                        QStringLiteral("tsv")}
                         << markers << QByteArray("a\t1\ts\nb\t1\ts\nc\t2\ta\nd\t2\tb\n") << 0;
    QTest::newRow("json") << QStringList{QStringLiteral("--format=json"), QStringLiteral("s")}
                          << markers
                          << QByteArray("{\"keyword\":\"a\",\"generation\":1,\"parent\":\"s\"}\n"
                                        "{\"keyword\":\"b\",\"generation\":1,\"parent\":\"s\"}\n"
                                        "{\"keyword\":\"c\",\"generation\":2,\"parent\":\"a\"}\n"
                                        "{\"keyword\":\"d\",\"generation\":2,\"parent\":\"b\"}\n")
                          << 0;
    QTest::newRow("markers option wins over the page")
        << QStringList{QStringLiteral("s"), QStringLiteral("--markers"),
                       QStringLiteral("<p>--</p>")}
        << markers << QByteArray("furniture\n") << 0;
    QTest::newRow("marker page fails: built-in markers")
        << QStringList{QStringLiteral("s")} << QByteArray() << QByteArray("a\nb\nc\nd\n") << 0;
    QTest::newRow("seed page fails")
        << QStringList{QStringLiteral("broken")} << markers << QByteArray() << 1;
}

void MineCommandTest::output()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, markerPage);
    QFETCH(QByteArray, out);
    QFETCH(int, exitCode);

    SearchSite site(QStringLiteral("s:a,b;a:c,a;b:d"));
    site.failKeyword(QStringLiteral("broken"));
    site.setMarkerPage(markerPage, markerPage.isEmpty() ? 404 : 200);
    const CliResult run = runCli(QStringList{QStringLiteral("mine"), QStringLiteral("--quiet")} +
                                 args + siteArgs(site.host()));
    if (run.exitCode != exitCode)
        qWarning("stderr: %s", run.err.constData());
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, out);
    if (exitCode == 1)
        QVERIFY(run.err.contains("seed page"));
}

void MineCommandTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("limit") << QStringList{QStringLiteral("--limit"), QStringLiteral("many")};
    QTest::newRow("raw with tsv") << QStringList{QStringLiteral("--raw"),
                                                 QStringLiteral("--format"), QStringLiteral("tsv")};
    QTest::newRow("one marker") << QStringList{QStringLiteral("--markers"), QStringLiteral("<p>")};
    QTest::newRow("retries") << QStringList{QStringLiteral("--retries"), QStringLiteral("x")};
    QTest::newRow("two seeds") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
}

void MineCommandTest::usageErrors()
{
    QFETCH(QStringList, args);
    SearchSite site;
    const CliResult run =
        runCli(QStringList{QStringLiteral("mine")} + args + siteArgs(site.host()));
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(run.err.startsWith("vantorix-cli: "));
    QCOMPARE(site.queries(), QStringList{});
}

void MineCommandTest::rawOutputIndependentOfConcurrency()
{
    vantorix::sandbox::SandboxOptions options;
    options.fanout = 4;
    options.depth = 2;
    vantorix::sandbox::SandboxServer server(options);
    QVERIFY(server.listen());
    QByteArray first;
    for (const char *concurrency : {"1", "3", "6"}) {
        const CliResult run = runCli(
            QStringList{QStringLiteral("mine"), QStringLiteral("--raw"), QStringLiteral("--quiet"),
                        QStringLiteral("--concurrency"), QString::fromLatin1(concurrency)} +
            siteArgs(server.host()));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.count("\r\n") > 100);
        if (first.isEmpty())
            first = run.out;
        QCOMPARE(run.out, first);
    }
}

void MineCommandTest::interruptStopsAfterQueryInFlight()
{
#ifdef Q_OS_UNIX
    SearchSite site(QStringLiteral("s:a,b;a:c;b:d"));
    site.setDelay(QStringLiteral("a"), 1500);
    const CliResult run =
        runCli(QStringList{QStringLiteral("mine"), QStringLiteral("s"), QStringLiteral("--raw"),
                           QStringLiteral("--markers"), QStringLiteral("<div id=rs>--</div>")} +
                   siteArgs(site.host()),
               {}, CliInput::File, [&site](QProcess &process) {
                   QTRY_VERIFY_WITH_TIMEOUT(site.queries().contains(QStringLiteral("a")), 10000);
                   ::kill(pid_t(process.processId()), SIGINT);
               });
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out == crlf("|a|b||c|"), QByteArray(run.out + " / " + run.err).constData());
    QCOMPARE(site.queries(), (QStringList{QStringLiteral("s"), QStringLiteral("a")}));
#else
    QSKIP("sends SIGINT");
#endif
}

QTEST_GUILESS_MAIN(MineCommandTest)
#include "tst_cli_mine.moc"
