#include "cli_process.h"
#include "env.h"
#include "gbk.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

// The list tools of vantorix-cli run as a process: the command line, both
// layouts and both encodings reach the tools, from a file and from a pipe.
// What each tool does to the keywords is held to the window's tools by
// tst_utf8_tools.
class TestCliListTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { clearVantorixEnvironment(); }

    void tools_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("dedupe: LF, CRLF and a last line without newline")
            << QStringList{u"dedupe"_s} << "x\r\ny\nx\nz"_ba
            << "x\ny\nz\n"_ba;
        QTest::newRow("dedupe --raw keeps the leading CRLF")
            << QStringList{u"dedupe"_s, u"--raw"_s} << "b\r\na\r\nb\r\n"_ba
            << "\r\nb\r\na\r\n"_ba;
        QTest::newRow("option before the command")
            << QStringList{u"--raw"_s, u"contains"_s, u"A"_s} << "a\r\nb\r\n"_ba
            << "a\r\n"_ba;
        QTest::newRow("excludes --raw grows an empty line")
            << QStringList{u"excludes"_s, u"x"_s, u"--raw"_s} << "a\r\n\r\nb\r\n"_ba
            << "a\r\n\r\nb\r\n\r\n"_ba;
        QTest::newRow("-- before an option-like TEXT")
            << QStringList{u"contains"_s, u"--"_s, u"--raw"_s} << "x--raw\ny\n"_ba
            << "x--raw\n"_ba;
        QTest::newRow("longer-than: spaces around N, rounded down")
            << QStringList{u"longer-than"_s, u" 2.9 "_s} << "abc\nab\n减肥药\n"_ba
            << "abc\n减肥药\n"_ba;
        QTest::newRow("longer-than -- -1 keeps empty lines")
            << QStringList{u"longer-than"_s, u"--"_s, u"-1"_s} << "a\n\n"_ba
            << "a\n\n"_ba;
        QTest::newRow("export comma is one line")
            << QStringList{u"export"_s, u"comma"_s} << "a\nb\n"_ba
            << "a,b,\n"_ba;
        QTest::newRow("export --raw keeps lone CR and LF")
            << QStringList{u"--raw"_s, u"export"_s, u"bar"_s} << "a\rb\nc\r\n"_ba
            << "a\rb\nc|"_ba;
        QTest::newRow("--encoding=UTF-8 drops a byte order mark")
            << QStringList{u"--encoding=UTF-8"_s, u"dedupe"_s} << "\xEF\xBB\xBF减\n减\n"_ba
            << "减\n"_ba;
        QTest::newRow("--encoding gbk in and out")
            << QStringList{u"--encoding"_s, u"gbk"_s, u"contains"_s, u"seo"_s}
            << gbk(u"SEO工具\r\n减肥\r\n"_s) << gbk(u"SEO工具\n"_s);
    }
    void tools()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        for (const CliInput how : {CliInput::File, CliInput::Pipe}) {
            const CliResult result = runCli(args, input, how);
            QCOMPARE(result.err, QByteArray());
            QCOMPARE(result.exitCode, 0);
            QCOMPARE(result.out, output);
        }
    }

    // The non-empty lines in an order that changes from run to run.
    void shuffle()
    {
        const QByteArray input = "1\r\n2\r\n\r\n3\r\n 4\r\n5\r\n5\r\n";
        QList<QByteArray> expected = {"1", "2", "3", " 4", "5", "5"};
        std::sort(expected.begin(), expected.end());
        QSet<QByteArray> orders;
        for (int run = 0; run < 12; ++run) {
            const CliResult result = runCli({u"shuffle"_s}, input);
            QCOMPARE(result.exitCode, 0);
            QList<QByteArray> lines = result.out.split('\n');
            QCOMPARE(lines.takeLast(), QByteArray());
            std::sort(lines.begin(), lines.end());
            QCOMPARE(lines, expected);
            orders.insert(result.out);
        }
        QVERIFY(orders.size() > 1);
    }

    // Many lines through both input paths: the file is mapped, the pipe read.
    void largeInput()
    {
        QByteArray input;
        QByteArray expected;
        for (int i = 0; i < 300000; ++i) {
            const QByteArray keyword = "关键词" + QByteArray::number(i % 100000);
            input += keyword + "\r\n";
            if (i < 100000)
                expected += keyword + '\n';
        }
        for (const CliInput how : {CliInput::File, CliInput::Pipe}) {
            const CliResult result = runCli({u"dedupe"_s}, input, how);
            QCOMPARE(result.exitCode, 0);
            QVERIFY(result.out == expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestCliListTools)
#include "tst_cli_list_tools.moc"
