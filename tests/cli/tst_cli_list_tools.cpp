#include "cli_process.h"

#include <QFile>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readData(const QString &name)
{
    QFile file(QStringLiteral(VANTORIX_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return file.readAll();
}

QByteArray toGbk(const QByteArray &utf8)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(QString::fromUtf8(utf8));
}

} // namespace

// The list tools of vantorix-cli, run as a process on real input.
class TestCliListTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tools_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        const QByteArray bab = "b\r\na\r\nb\r\n";

        QTest::newRow("dedupe lines") << QStringList{u"dedupe"_s} << bab << QByteArray("b\na\n");
        QTest::newRow("dedupe raw keeps the leading CRLF")
            << QStringList{u"dedupe"_s, u"--raw"_s} << bab << QByteArray("\r\nb\r\na\r\n");
        QTest::newRow("dedupe of nothing")
            << QStringList{u"dedupe"_s} << QByteArray() << QByteArray();
        QTest::newRow("dedupe raw of nothing")
            << QStringList{u"--raw"_s, u"dedupe"_s} << QByteArray() << QByteArray("\r\n");
        QTest::newRow("dedupe drops blank lines, keeps case and spaces")
            << QStringList{u"dedupe"_s} << QByteArray("  \n\na\nA\na \na\n")
            << QByteArray("a\nA\na \n");
        QTest::newRow("lines: LF, CRLF and a last line without newline")
            << QStringList{u"dedupe"_s} << QByteArray("x\r\ny\nx\nz") << QByteArray("x\ny\nz\n");

        QTest::newRow("contains ignores case and spaces around TEXT")
            << QStringList{u"contains"_s, u" seo "_s} << QByteArray("SEO工具\nabc\nseo\n")
            << QByteArray("SEO工具\nseo\n");
        QTest::newRow("contains nothing left of TEXT keeps the lines")
            << QStringList{u"contains"_s, u"  "_s} << QByteArray("a\r\n\r\nb")
            << QByteArray("a\n\nb\n");
        QTest::newRow("contains raw, nothing left of TEXT keeps the text")
            << QStringList{u"contains"_s, u""_s, u"--raw"_s} << QByteArray("a\r\n\r\nb")
            << QByteArray("a\r\n\r\nb");
        QTest::newRow("excludes keeps empty lines")
            << QStringList{u"excludes"_s, u"x"_s} << QByteArray("a\n\nb\n")
            << QByteArray("a\n\nb\n");
        QTest::newRow("excludes raw grows an empty line")
            << QStringList{u"excludes"_s, u"x"_s, u"--raw"_s} << QByteArray("a\r\n\r\nb\r\n")
            << QByteArray("a\r\n\r\nb\r\n\r\n");

        QTest::newRow("longer-than 2")
            << QStringList{u"longer-than"_s, u"2"_s} << QByteArray("abc\nab\n减肥药\n减肥\n")
            << QByteArray("abc\n减肥药\n");
        QTest::newRow("longer-than rounds down 2.9")
            << QStringList{u"longer-than"_s, u"2.9"_s} << QByteArray("abc\nab\n")
            << QByteArray("abc\n");
        QTest::newRow("longer-than with spaces around N")
            << QStringList{u"longer-than"_s, u" 2 "_s} << QByteArray("abc\nab\n")
            << QByteArray("abc\n");
        QTest::newRow("longer-than -- -1 keeps empty lines")
            << QStringList{u"longer-than"_s, u"--"_s, u"-1"_s} << QByteArray("a\n\n")
            << QByteArray("a\n\n");
        QTest::newRow("longer-than raw -0.5 keeps the empty last piece")
            << QStringList{u"--raw"_s, u"longer-than"_s, u"--"_s, u"-0.5"_s} << QByteArray("ab\r\n")
            << QByteArray("ab\r\n\r\n");

        QTest::newRow("export comma lines")
            << QStringList{u"export"_s, u"comma"_s} << QByteArray("a\nb\n") << QByteArray("a,b,\n");
        QTest::newRow("export bar lines") << QStringList{u"export"_s, u"bar"_s}
                                          << QByteArray("a\r\n\r\nb") << QByteArray("a||b|\n");
        QTest::newRow("export newline lines") << QStringList{u"export"_s, u"newline"_s}
                                              << QByteArray("a\r\nb") << QByteArray("a\nb\n");
        QTest::newRow("export comma raw") << QStringList{u"export"_s, u"comma"_s, u"--raw"_s}
                                          << QByteArray("a\r\n\r\nb") << QByteArray("a,,b");
        QTest::newRow("export raw keeps lone CR and LF")
            << QStringList{u"--raw"_s, u"export"_s, u"bar"_s} << QByteArray("a\rb\nc\r\n")
            << QByteArray("a\rb\nc|");
        QTest::newRow("export newline raw is the text")
            << QStringList{u"--raw"_s, u"export"_s, u"newline"_s} << bab << bab;
        QTest::newRow("export of nothing")
            << QStringList{u"export"_s, u"comma"_s} << QByteArray() << QByteArray();

        QTest::newRow("option before the command")
            << QStringList{u"--raw"_s, u"contains"_s, u"a"_s} << QByteArray("a\r\nb\r\n")
            << QByteArray("a\r\n");
        QTest::newRow("-- makes an option-like TEXT")
            << QStringList{u"contains"_s, u"--"_s, u"--raw"_s} << QByteArray("x--raw\ny\n")
            << QByteArray("x--raw\n");
        QTest::newRow("encoding utf-8 by name") << QStringList{u"--encoding=UTF-8"_s, u"dedupe"_s}
                                                << QByteArray("减\n减\n") << QByteArray("减\n");
        QTest::newRow("byte order mark dropped") << QStringList{u"dedupe"_s}
                                                 << QByteArray("\xEF\xBB\xBF"
                                                               "a\na\n")
                                                 << QByteArray("a\n");
        QTest::newRow("lone CR is no line end")
            << QStringList{u"dedupe"_s} << QByteArray("a\rb\rc\r") << QByteArray("a\rb\rc\r\n");
    }
    void tools()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        for (const CliInput how : {CliInput::File, CliInput::Pipe}) {
            const CliResult result = runCli(args, input, how);
            QVERIFY(!result.crashed);
            QCOMPARE(result.err, QByteArray());
            QCOMPARE(result.exitCode, 0);
            QCOMPARE(result.out, output);
        }
    }

    void shuffle_data()
    {
        QTest::addColumn<bool>("raw");
        QTest::newRow("lines") << false;
        QTest::newRow("raw") << true;
    }
    // A permutation of the non-empty lines; over many runs not always the same.
    void shuffle()
    {
        QFETCH(bool, raw);
        const QByteArray input = "1\r\n2\r\n\r\n3\r\n 4\r\n5\r\n5\r\n";
        const QByteArray end = raw ? "\r\n" : "\n";
        QList<QByteArray> expected = {"1", "2", "3", " 4", "5", "5"};
        std::sort(expected.begin(), expected.end());
        QSet<QByteArray> orders;
        for (int run = 0; run < 12; ++run) {
            const CliResult result = runCli(
                raw ? QStringList{u"shuffle"_s, u"--raw"_s} : QStringList{u"shuffle"_s}, input);
            QCOMPARE(result.exitCode, 0);
            QVERIFY(result.out.endsWith(end));
            QList<QByteArray> lines = result.out.chopped(end.size()).split(end.back());
            for (QByteArray &line : lines) {
                if (raw && line.endsWith('\r'))
                    line.chop(1);
            }
            std::sort(lines.begin(), lines.end());
            QCOMPARE(lines, expected);
            orders.insert(result.out);
        }
        QVERIFY(orders.size() > 1);
    }

    void dataFiles_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expectedFile");
        QTest::newRow("dedupe") << QStringList{u"dedupe"_s} << u"keywords.dedupe.txt"_s;
        QTest::newRow("dedupe raw")
            << QStringList{u"dedupe"_s, u"--raw"_s} << u"keywords.dedupe.raw"_s;
        QTest::newRow("contains") << QStringList{u"contains"_s, u"SEO"_s}
                                  << u"keywords.contains-seo.txt"_s;
        QTest::newRow("excludes raw") << QStringList{u"excludes"_s, u"--raw"_s, u"减肥"_s}
                                      << u"keywords.excludes-jianfei.raw"_s;
        QTest::newRow("longer-than")
            << QStringList{u"longer-than"_s, u"4"_s} << u"keywords.longer-than-4.txt"_s;
        QTest::newRow("export bar")
            << QStringList{u"export"_s, u"bar"_s} << u"keywords.export-bar.txt"_s;
    }
    // A real keyword file, as UTF-8 and as GBK: the same keywords come out.
    void dataFiles()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, expectedFile);
        const QByteArray input = readData(u"keywords.txt"_s);
        const QByteArray expected = readData(expectedFile);

        const CliResult utf8 = runCli(args, input);
        QCOMPARE(utf8.exitCode, 0);
        QCOMPARE(utf8.out, expected);

        const CliResult gbk = runCli(QStringList{u"--encoding"_s, u"gbk"_s} + args, toGbk(input));
        QCOMPARE(gbk.err, QByteArray());
        QCOMPARE(gbk.exitCode, 0);
        QCOMPARE(gbk.out, toGbk(expected));
    }

    // Many lines through both input paths: the file is mapped, the pipe read.
    void largeInput_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("file") << int(CliInput::File);
        QTest::newRow("pipe") << int(CliInput::Pipe);
    }
    void largeInput()
    {
        QFETCH(int, how);
        QByteArray input;
        QByteArray expected;
        for (int i = 0; i < 300000; ++i) {
            const QByteArray keyword = "关键词" + QByteArray::number(i % 100000);
            input += keyword + "\r\n";
            if (i < 100000)
                expected += keyword + '\n';
        }
        const CliResult result = runCli({u"dedupe"_s}, input, CliInput(how));
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out.size(), expected.size());
        QVERIFY(result.out == expected);
    }
};

QTEST_GUILESS_MAIN(TestCliListTools)
#include "tst_cli_list_tools.moc"
