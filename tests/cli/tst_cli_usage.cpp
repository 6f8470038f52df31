#include "cli_process.h"
#include "data_table.h"
#include "environment.h"

#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

// The command lines of the three programs; input that is large or no text.
class TestCliUsage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        clearVantorixEnvironment();
#ifdef Q_OS_UNIX
        QVERIFY(mkfifo(QFile::encodeName(m_dir.filePath(u"FIFO"_s)).constData(), 0600) == 0);
#endif
        QFile big(m_dir.filePath(u"BIG"_s)); // sparse: costs no disk
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize((qint64(64) << 20) + 1));
        QFile bad(m_dir.filePath(u"BAD"_s));
        QVERIFY(bad.open(QIODevice::WriteOnly) &&
                bad.write("socks5://127.0.0.1:1080\nftp://127.0.0.1:21\n") > 0);
    }

    void runs_data()
    {
        // mentions: on stderr
        // output: null: not compared
        columns<QStringList, QByteArray, QByteArray, int, QString, QByteArray>(
            "args", "input", "timeoutVariable", "status", "mentions", "output");
        const auto row = [](const char *name, const QString &args, int status,
                            const QString &mentions, const QByteArray &input = "a\nb\n",
                            const QByteArray &variable = {}, const QByteArray &output = {}) {
            QTest::newRow(name) << args.split(u' ', Qt::SkipEmptyParts) << input << variable
                                << status << mentions << (status == 2 ? QByteArray("") : output);
        };
        row("no command", {}, 2, u"no command"_s);
        row("unknown command, the closest one suggested", u"mien"_s, 2, u"did you mean 'mine'?"_s);
        row("unknown option, the closest one suggested", u"mine --limt 5"_s, 2,
            u"did you mean --limit?"_s);
        row("-V is --version", u"-V"_s, 0, {}, {}, {}, "vantorix-cli " VANTORIX_VERSION "\n");
        row("unknown option before the command", u"--frobnicate live dedupe"_s, 2,
            u"unknown option '--frobnicate'"_s);
        row("another command's option", u"--limit 5 dedupe"_s, 2, u"for 'dedupe'"_s);
        row("missing TEXT", u"contains"_s, 2, u"contains TEXT"_s);
        row("unreadable number", u"longer-than abc"_s, 2, u"'abc'"_s);
        row("unknown encoding", u"--encoding latin1 dedupe"_s, 2, u"latin1"_s);
        row("bad network flag", u"--timeout soon dedupe"_s, 2, u"soon"_s);
        row("--max-rate below one query in 100 s", u"--max-rate 1e-17 dedupe"_s, 2, u"0.01"_s);
        row("help for an unknown command", u"help sort"_s, 2, u"'sort'"_s);
        row("bad variable, network command", u"hotwords baidu-today"_s, 2, u"VANTORIX_TIMEOUT"_s,
            {}, "0");
        row("list tools ignore a bad variable", u"dedupe"_s, 0, {}, "b\nb\n", "0", "b\n");
        row("a flag beats a bad variable, --sandbox a host flag",
            u"--sandbox hotwords baidu-today --timeout 5 --hotlist-host=x:1"_s, 0,
            u"ignoring --hotlist-host"_s, {}, "0");
        row("IPv6 loopback reached", u"hotwords baidu-today --hotlist-host [::1]:1"_s, 1,
            u"http://[::1]:1/"_s);
        row("GBK that is none refused", u"--encoding=gbk dedupe"_s, 1, u"GBK"_s, "ok\n\x81\x20\n");
        row("--proxies over 64 MB", u"mine --proxies BIG"_s, 2, u"larger than 64 MB"_s);
        row("--proxies, a bad line named", u"--proxies BAD mine a"_s, 2, u"BAD line 2"_s);
        row("--seen a missing file", u"mine a --seen NONE"_s, 2, u"--seen"_s);
#ifdef Q_OS_UNIX
        row("--state a FIFO: refused, not waited on", u"mine --state FIFO"_s, 2,
            u"FIFO: not a regular file"_s);
        row("--seen a device", u"mine --seen /dev/zero"_s, 2, u"/dev/zero: not a regular"_s);
#endif
    }
    // A usage error: one line on stderr, nothing on stdout, no input read.
    void runs()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, timeoutVariable);
        QFETCH(QByteArray, output);
        for (QString &arg : args) {
            if (arg == u"FIFO" || arg == u"BIG" || arg == u"BAD" || arg == u"NONE")
                arg = m_dir.filePath(arg);
        }
        qputenv("VANTORIX_TIMEOUT", timeoutVariable);
        const CliResult result = runCli(args, input);
        qunsetenv("VANTORIX_TIMEOUT");
        QTEST(result.exitCode, "status");
        QFETCH(QString, mentions);
        QVERIFY2(QString::fromUtf8(result.err).contains(mentions), result.err.constData());
        QVERIFY(output.isNull() || result.out == output);
        QVERIFY(result.exitCode != 2 ||
                (result.err.startsWith("vantorix-cli: ") && result.err.count('\n') == 1));
    }

    void help_data()
    {
        columns<QString, QString, QByteArray>("program", "args", "starts");
        const QString cli = QStringLiteral(VANTORIX_CLI_PATH);
        QTest::newRow("--help") << cli << u"--help"_s << QByteArray("Usage: vantorix-cli [");
        QTest::newRow("help COMMAND")
            << cli << u"help longer-than"_s << QByteArray("Usage: vantorix-cli longer-than N");
        QTest::newRow("--help wins over a bad argument")
            << cli << u"--help longer-than abc"_s << QByteArray("Usage: vantorix-cli longer-than");
        QTest::newRow("version") << cli << u"dedupe --version"_s
                                 << QByteArray("vantorix-cli " VANTORIX_VERSION "\n");
        QTest::newRow("sandbox") << QStringLiteral(VANTORIX_SANDBOX_PATH) << u"--help"_s
                                 << QByteArray("Usage: vantorix-sandbox");
#ifdef VANTORIX_WINDOW_PATH
        QTest::newRow("window") << QStringLiteral(VANTORIX_WINDOW_PATH) << u"--help"_s
                                << QByteArray("Usage: vantorix");
#endif
    }
    // Whole lines on stdout, without a display; exit 1 when they cannot be written.
    void help()
    {
        QFETCH(QString, program);
        QFETCH(QString, args);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        process.setProcessEnvironment(environment);
        const auto run = [&] {
            process.start(program, args.split(u' '));
            return process.waitForFinished(60000) ? process.exitCode() : -1;
        };
        QCOMPARE(run(), 0);
        const QByteArray out = process.readAllStandardOutput();
        QFETCH(QByteArray, starts);
        QVERIFY2(out.startsWith(starts) && out.endsWith('\n'), out.constData());
        process.setStandardOutputFile(u"/dev/full"_s);
        QCOMPARE(run(), 1);
    }

    // Chinese under a Chinese locale, English under any other; LC_ALL and
    // LANGUAGE would override LANG.
    void language_data()
    {
        columns<QByteArray, QString, QString>("lang", "args", "mentions");
        const QStringList commands{u"dedupe"_s,      u"shuffle"_s, u"contains"_s, u"excludes"_s,
                                   u"longer-than"_s, u"export"_s,  u"group"_s,    u"mine"_s,
                                   u"hotwords"_s,    u"help"_s};
        for (const auto &[lang, usage] :
             {std::pair{"zh_CN.UTF-8", u"用法："_s}, std::pair{"C.UTF-8", u"Usage: "_s}}) {
            QTest::addRow("%s --help", lang) << QByteArray(lang) << u"--help"_s << usage;
            for (const QString &command : commands)
                QTest::addRow("%s help %s", lang, qPrintable(command))
                    << QByteArray(lang) << u"help "_s + command << usage;
        }
        QTest::newRow("zh error") << "zh_CN.UTF-8"_ba << u"mien"_s << u"未知命令 'mien'"_s;
        QTest::newRow("C error") << "C.UTF-8"_ba << u"mien"_s << u"unknown command 'mien'"_s;
        const QString mine = u"--sandbox mine 减肥 --limit 5"_s;
        QTest::newRow("zh progress") << "zh_CN.UTF-8"_ba << mine << u" 个  已查询："_s;
        QTest::newRow("C progress") << "C.UTF-8"_ba << mine << u" keywords  queried: "_s;
    }
    void language()
    {
        QFETCH(QByteArray, lang);
        QFETCH(QString, args);
        qunsetenv("LC_ALL");
        qunsetenv("LANGUAGE");
        qputenv("LANG", lang);
        const CliResult result = runCli(args.split(u' '));
        qputenv("LC_ALL", "C.UTF-8");
        QFETCH(QString, mentions);
        QVERIFY2(QString::fromUtf8(result.out + result.err).contains(mentions),
                 result.err.constData());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestCliUsage)
#include "tst_cli_usage.moc"
