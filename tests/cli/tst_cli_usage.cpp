#include "cli_process.h"

#include <QTest>

using namespace Qt::StringLiterals;

// vantorix-cli's command line: usage errors, help and version, and input
// that is large or not what a keyword file should be.
class TestCliUsage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("no command") << QStringList() << u"no command"_s;
        QTest::newRow("unknown command") << QStringList{u"sort"_s} << u"'sort'"_s;
        QTest::newRow("missing TEXT") << QStringList{u"contains"_s} << u"contains TEXT"_s;
        QTest::newRow("two TEXTs") << QStringList{u"excludes"_s, u"a"_s, u"b"_s} << u"too many"_s;
        QTest::newRow("argument for dedupe") << QStringList{u"dedupe"_s, u"x"_s} << u"too many"_s;
        QTest::newRow("unreadable number") << QStringList{u"longer-than"_s, u"abc"_s} << u"'abc'"_s;
        QTest::newRow("empty number") << QStringList{u"longer-than"_s, u""_s} << u"''"_s;
        QTest::newRow("number past 32 bits")
            << QStringList{u"longer-than"_s, u"1e400"_s} << u"1e400"_s;
        QTest::newRow("negative number without --")
            << QStringList{u"longer-than"_s, u"-1"_s} << u"'--'"_s;
        QTest::newRow("unknown separator") << QStringList{u"export"_s, u"tab"_s} << u"'tab'"_s;
        QTest::newRow("unknown option") << QStringList{u"dedupe"_s, u"--bogus"_s} << u"--bogus"_s;
        QTest::newRow("unknown encoding")
            << QStringList{u"--encoding"_s, u"latin1"_s, u"dedupe"_s} << u"latin1"_s;
        QTest::newRow("encoding without value")
            << QStringList{u"dedupe"_s, u"--encoding"_s} << u"--encoding"_s;
        QTest::newRow("bad network flag")
            << QStringList{u"--timeout"_s, u"soon"_s, u"dedupe"_s} << u"soon"_s;
        QTest::newRow("help for an unknown command")
            << QStringList{u"help"_s, u"sort"_s} << u"'sort'"_s;
    }
    // Exit 2, one line on stderr naming the problem, nothing on stdout, and
    // no input is read (stdin is left open and empty).
    void usageErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, mentions);
        const CliResult result = runCli(args, "a\nb\n");
        QVERIFY(!result.crashed);
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.out, QByteArray());
        QVERIFY(result.err.startsWith("vantorix-cli: "));
        QCOMPARE(result.err.count('\n'), 1);
        QVERIFY(result.err.endsWith('\n'));
        QVERIFY2(QString::fromUtf8(result.err).contains(mentions), result.err.constData());
    }

    void help_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("starts");
        QTest::newRow("--help") << QStringList{u"--help"_s} << QByteArray("Usage: vantorix-cli [");
        QTest::newRow("-h") << QStringList{u"-h"_s} << QByteArray("Usage: vantorix-cli [");
        QTest::newRow("help") << QStringList{u"help"_s} << QByteArray("Usage: vantorix-cli [");
        QTest::newRow("help COMMAND") << QStringList{u"help"_s, u"longer-than"_s}
                                      << QByteArray("Usage: vantorix-cli longer-than N");
        QTest::newRow("COMMAND --help") << QStringList{u"export"_s, u"--help"_s}
                                        << QByteArray("Usage: vantorix-cli export comma|bar");
        QTest::newRow("--help COMMAND") << QStringList{u"--help"_s, u"contains"_s}
                                        << QByteArray("Usage: vantorix-cli contains TEXT");
        QTest::newRow("--help wins over a bad argument")
            << QStringList{u"longer-than"_s, u"abc"_s, u"--help"_s}
            << QByteArray("Usage: vantorix-cli longer-than");
    }
    void help()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, starts);
        const CliResult result = runCli(args);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, QByteArray());
        QVERIFY2(result.out.startsWith(starts), result.out.constData());
    }

    void generalHelpListsEveryListTool()
    {
        const CliResult result = runCli({u"--help"_s});
        for (const char *name :
             {"dedupe", "shuffle", "contains TEXT", "excludes TEXT", "longer-than N",
              "export comma|bar|newline", "--raw", "--encoding", "--sandbox", "--version"})
            QVERIFY2(result.out.contains(name), name);
    }

    void version()
    {
        const CliResult result = runCli({u"dedupe"_s, u"--version"_s});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QByteArray("vantorix-cli " VANTORIX_VERSION "\n"));
    }

    void hostileInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        const QByteArray nul("a\0b\na\0b\n\0\n", 10);
        QTest::newRow("NUL bytes are ordinary characters")
            << QStringList{u"dedupe"_s} << nul << QByteArray("a\0b\n\0\n", 6);
        QTest::newRow("NUL bytes raw") << QStringList{u"dedupe"_s, u"--raw"_s}
                                       << QByteArray("\0\r\n\0", 4) << QByteArray("\r\n\0\r\n", 5);
        QTest::newRow("invalid UTF-8 passes through unchanged")
            << QStringList{u"dedupe"_s} << QByteArray("\xFF\xFE\n\xC3\n\xFF\xFE\n")
            << QByteArray("\xFF\xFE\n\xC3\n");
        QTest::newRow("invalid UTF-8 counted one character a byte")
            << QStringList{u"longer-than"_s, u"1"_s} << QByteArray("\xFF\xFE\n\xFF\n")
            << QByteArray("\xFF\xFE\n");
        QTest::newRow("invalid UTF-8 searched")
            << QStringList{u"contains"_s, u"K"_s} << QByteArray("\xFFk\n\xFE\n")
            << QByteArray("\xFFk\n");
        QTest::newRow("CR-only input is one keyword")
            << QStringList{u"export"_s, u"comma"_s} << QByteArray("a\rb\rc")
            << QByteArray("a\rb\rc,\n");
        QTest::newRow("CR-only input raw") << QStringList{u"excludes"_s, u"x"_s, u"--raw"_s}
                                           << QByteArray("a\rb\r") << QByteArray("a\rb\r\r\n");
    }
    void hostileInput()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        const CliResult result = runCli(args, input);
        QVERIFY(!result.crashed);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, output);
    }

    // Bytes that are no GBK text are refused, not silently replaced.
    void invalidGbkIsAnError()
    {
        const CliResult result =
            runCli({u"--encoding"_s, u"gbk"_s, u"dedupe"_s}, QByteArray("ok\n\x81\x20\n"));
        QVERIFY(!result.crashed);
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.out, QByteArray());
        QVERIFY(result.err.contains("GBK"));
        QCOMPARE(result.err.count('\n'), 1);
    }

    void tenMegabyteLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("kept");
        QTest::newRow("dedupe") << QStringList{u"dedupe"_s} << true;
        QTest::newRow("shuffle") << QStringList{u"shuffle"_s} << true;
        QTest::newRow("contains, match at the end") << QStringList{u"contains"_s, u"END"_s} << true;
        QTest::newRow("excludes") << QStringList{u"excludes"_s, u"end"_s} << false;
        QTest::newRow("longer-than") << QStringList{u"longer-than"_s, u"10485760"_s} << true;
        QTest::newRow("longer-than its length")
            << QStringList{u"longer-than"_s, u"10485763"_s} << false;
    }
    void tenMegabyteLine()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, kept);
        const QByteArray line = QByteArray(10 * 1024 * 1024, 'x') + "end";
        const CliResult result = runCli(args, line + "\r\n");
        QVERIFY(!result.crashed);
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out == (kept ? line + '\n' : QByteArray()));
    }
};

QTEST_GUILESS_MAIN(TestCliUsage)
#include "tst_cli_usage.moc"
