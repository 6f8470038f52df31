#include "list/dedupe.h"
#include "list/export_text.h"
#include "list/filters.h"
#include "list/keyword_list.h"
#include "list/shuffle.h"

#include <QTest>
#include <algorithm>

using namespace vantorix::list;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<int>)

namespace {

// The list text after a tool, as the window's buttons run it; "split" shows
// the pieces separated by '|'.
QString applied(const QString &tool, const QString &argument, const QString &list)
{
    const QStringList pieces = splitList(list);
    if (tool == u"split"_s)
        return pieces.join(u'|');
    if (tool == u"contains"_s)
        return joinList(keepContaining(pieces, filterArgument(argument)));
    if (tool == u"excludes"_s)
        return joinList(keepNotContaining(pieces, filterArgument(argument)));
    if (tool == u"longer-than"_s)
        return joinList(keepLongerThan(pieces, argument.toInt()));
    if (tool == u"dedupe"_s)
        return RemoveDuplicateLines(list, kSeparator);
    return exportText(list, *parseExportSeparator(tool));
}

} // namespace

// The list tools on the list text, as the window runs them. The UTF-8 tools
// of the command line are held to these by tst_utf8_tools.
class TestTextTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tools_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *tag, const char *tool, const char *argument,
                            const char *list, const char *expected) {
            QTest::newRow(tag) << QString::fromUtf8(tool) << QString::fromUtf8(argument)
                               << QString::fromUtf8(list) << QString::fromUtf8(expected);
        };
        row("a final separator leaves an empty piece", "split", "", "a\r\nb\r\n", "a|b|");
        row("lone CR and LF stay in the keyword", "split", "", "a\rb\nc\r\nd", "a\rb\nc|d");
        row("CR CR LF splits after the second CR", "split", "", "a\r\r\nb", "a\r|b");
        row("newline export keeps the text", "newline", "", "a\r\nb\r\n", "a\r\nb\r\n");
        row("an empty line gives two commas", "comma", "", "a\r\n\r\nb", "a,,b");
        row("export keeps lone CR and LF", "bar", "", "a\rb\nc\r\n", "a\rb\nc|");
        row("excludes keeps empty pieces", "excludes", "x", "a\r\n\r\nb\r\n", "a\r\n\r\nb\r\n\r\n");
        row("contains drops pieces of spaces", "contains", "a", "  \r\nab", "ab\r\n");
        row("excludes keeps pieces of spaces", "excludes", "a", "  \r\nab", "  \r\n");
        row("full-width letters fold", "contains", "ｓｅｏ", "ＳＥＯ\r\nx", "ＳＥＯ\r\n");
        row("only ASCII spaces trimmed", "contains", " \u3000x ", "\u3000x\r\nx", "\u3000x\r\n");
        row("an empty list stays empty", "contains", "a", "", "");
        row("-1 keeps the empty last piece", "longer-than", "-1", "ab\r\n", "ab\r\n\r\n");
        row("a Chinese character counts one", "longer-than", "2", "减肥药\r\n减肥", "减肥药\r\n");
        row("outside the BMP counts two", "longer-than", "1", "😀\r\na", "😀\r\n");
        row("case and a trailing space count", "dedupe", "", "a\r\nA\r\na \r\na",
            "\r\na\r\nA\r\na \r\n");
        row("blank lines dropped", "dedupe", "", "   \r\nx\r\n\r\n ", "\r\nx\r\n");
        row("a piece inside another", "dedupe", "", "ab\r\nb\r\nab", "\r\nab\r\nb\r\n");
    }
    void tools()
    {
        QFETCH(QString, tool);
        QFETCH(QString, argument);
        QFETCH(QString, list);
        QFETCH(QString, expected);
        QCOMPARE(applied(tool, argument, list), expected);
        if (tool == u"dedupe"_s)
            QCOMPARE(applied(tool, argument, expected), expected);
    }

    void flooredNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<int>>("number");
        const std::optional<int> none;
        QTest::newRow("fraction rounds down") << u"2.9"_s << std::optional(2);
        QTest::newRow("negative fraction rounds down") << u"-0.5"_s << std::optional(-1);
        QTest::newRow("empty") << QString() << none;
        QTest::newRow("overflowing double") << u"1e400"_s << none;
        QTest::newRow("past largest int") << u"2147483648"_s << none;
        QTest::newRow("below smallest int") << u"-2147483648.5"_s << none;
        QTest::newRow("negative zero") << u"-0"_s << std::optional(0);
        QTest::newRow("spaces around") << u"  7 "_s << std::optional(7);
        for (const QString &bad : {u"NaN"_s, u"-infinity"_s, u"１２"_s, QString(100000, u'9')})
            QTest::newRow(qPrintable(bad.left(10))) << bad << none;
    }
    void flooredNumber()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<int>, number);
        QCOMPARE(vantorix::list::parseFlooredNumber(text), number);
    }

    void shuffleLines_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("keywords");
        QTest::newRow("empty text") << QString() << QStringList();
        QTest::newRow("dedupe output loses its empty line")
            << u"\r\nb\r\na\r\n"_s << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("spaces and repeats survive")
            << u" \r\nx\r\nx\r\n\r\n"_s << QStringList{u" "_s, u"x"_s, u"x"_s};
    }
    void shuffleLines()
    {
        QFETCH(QString, list);
        QFETCH(QStringList, keywords);
        QRandomGenerator random(42);
        for (int round = 0; round < 20; ++round) {
            const QString shuffled = ShuffleLines(list, kSeparator, random);
            QCOMPARE(shuffled.isEmpty(), keywords.isEmpty());
            QVERIFY(shuffled.isEmpty() || shuffled.endsWith(kSeparator));
            QStringList got = splitList(shuffled);
            if (!got.isEmpty())
                got.removeLast(); // the piece after the final separator
            std::sort(got.begin(), got.end());
            QCOMPARE(got, keywords);
        }
    }

    // Every keyword must land in every position about equally often; a
    // biased shuffle (like drawing from all positions at every step) fails.
    void shuffleIsUniform()
    {
        const int n = 6;
        const int rounds = 60000;
        const QStringList keywords = {u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s};
        QList<QList<int>> counts(n, QList<int>(n, 0));
        QRandomGenerator random(7);
        for (int r = 0; r < rounds; ++r) {
            const QStringList order = shuffledPieces(keywords, random);
            for (int position = 0; position < n; ++position)
                ++counts[order[position].toInt()][position];
        }
        // Chi-square over the n*n cells, (n-1)^2 = 25 degrees of freedom:
        // 60 is far beyond the 99.99th percentile (about 55).
        const double expected = double(rounds) / n;
        double chiSquare = 0;
        for (const QList<int> &row : counts) {
            for (const int observed : row)
                chiSquare += (observed - expected) * (observed - expected) / expected;
        }
        QVERIFY2(chiSquare < 60, qPrintable(QString::number(chiSquare)));
    }
};

QTEST_APPLESS_MAIN(TestTextTools)
#include "tst_text_tools.moc"
