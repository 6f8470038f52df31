#include "cli_process.h"
#include "data_table.h"
#include "environment.h"
#include "gbk.h"

#include <QSet>
#include <QTest>
#include <numeric>

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
        columns<QStringList, QByteArray, QByteArray, QByteArray>("args", "input", "output", "err");
        // The arguments separated by '|'.
        const auto row = [](const char *tag, const char *args, const QByteArray &input,
                            const QByteArray &output, const QByteArray &err = {}) {
            QTest::newRow(tag) << QString::fromUtf8(args).split(u'|') << input << output << err;
        };
        row("dedupe: LF, CRLF, last line without newline", "dedupe", "x\r\ny\nx\nz", "x\ny\nz\n");
        row("dedupe --raw keeps the leading CRLF", "dedupe|--raw", "b\r\na\r\nb\r\n",
            "\r\nb\r\na\r\n");
        row("option before the command", "--raw|contains|A", "a\r\nb\r\n", "a\r\n");
        row("-- before an option-like TEXT", "contains|--|--raw", "x--raw\ny\n", "x--raw\n");
        row("longer-than: spaces around N, rounded down", "longer-than| 2.9 ", "abc\nab\n减肥药\n",
            "abc\n减肥药\n");
        row("export comma is one line", "export|comma", "a\nb\n", "a,b,\n");
        const QByteArray list = "减肥方法\n手机价格\n\n减肥食谱\n减肥运动\n天气\n新闻\n";
        row("group", "group", list,
            "减肥\n减肥方法\n减肥食谱\n减肥运动\n\n其他\n手机价格\n天气\n新闻\n");
        row("group --format tsv escapes tab and backslash", "group|--format|tsv|--min-size|2",
            "价格\\a\n价格\tb\n天气\n新闻\n",
            "价格\t价格\\\\a\n价格\t价格\\tb\n其他\t天气\n其他\t新闻\n");
        row("group --format json, an object a group", "group|--format|json", list,
            "{\"group\":\"减肥\",\"keywords\":[\"减肥方法\",\"减肥食谱\",\"减肥运动\"]}\n"
            "{\"group\":\"其他\",\"keywords\":[\"手机价格\",\"天气\",\"新闻\"]}\n");
        // The seed every keyword holds sorts nothing; the next root does.
        row("group --raw: the list reordered, as the window does it", "group|--raw|--min-size|2",
            "手机价格\r\n减肥茶\r\n减肥药\r\n\r\n减肥方法\r\n电脑价格",
            "手机价格\r\n电脑价格\r\n减肥茶\r\n减肥药\r\n减肥方法\r\n");
        row("--encoding=UTF-8 drops a byte order mark", "--encoding=UTF-8|dedupe",
            "\xEF\xBB\xBF减\n减\n", "减\n");
        row("--encoding gbk in and out", "--encoding|gbk|contains|seo",
            gbk(u"SEO工具\r\n减肥\r\n"_s), gbk(u"SEO工具\n"_s));
        // Counted in characters only when read as what it is.
        row("GB18030 without --encoding, in and out", "longer-than|2", gbk(u"减肥茶\n跑步\n"_s),
            gbk(u"减肥茶\n"_s),
            "vantorix-cli: note: standard input is not UTF-8 but reads as GB18030, so it is read "
            "and written as GB18030 (--encoding utf-8 keeps UTF-8)\n");
        QByteArray bytes(256, 0);
        std::iota(bytes.begin(), bytes.end(), char(0));
        row("every byte value passes through", "--raw|dedupe", bytes, "\r\n" + bytes + "\r\n",
            "vantorix-cli: warning: standard input is not valid UTF-8 (first bad byte at offset "
            "128); bad bytes are kept and match as U+FFFD\n");
        const QByteArray line(50 << 20, 'x');
        row("a 50 MB line", "longer-than|7", line + '\n', line + '\n');
    }
    void tools()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        for (const CliInput how : {CliInput::File, CliInput::Pipe}) {
            const CliResult result = runCli(args, input, how);
            QTEST(result.err, "err");
            QCOMPARE(result.exitCode, 0);
            QTEST(result.out, "output");
        }
    }

    // The non-empty lines in an order that changes from run to run.
    void shuffle()
    {
        QSet<QByteArray> orders;
        for (int run = 0; run < 12; ++run) {
            const CliResult result = runCli({u"shuffle"_s}, "1\r\n2\r\n\r\n3\r\n 4\r\n5\r\n5\r\n");
            QCOMPARE(result.exitCode, 0);
            QList<QByteArray> lines = result.out.split('\n');
            std::sort(lines.begin(), lines.end());
            QCOMPARE(lines, (QList<QByteArray>{"", " 4", "1", "2", "3", "5", "5"}));
            orders.insert(result.out);
        }
        QVERIFY(orders.size() > 1);
    }
};

QTEST_GUILESS_MAIN(TestCliListTools)
#include "tst_cli_list_tools.moc"
