#include "data_table.h"
#include "list/dedupe.h"
#include "list/export_text.h"
#include "list/filters.h"
#include "list/keyword_list.h"
#include "list/shuffle.h"

#include <QTest>
#include <algorithm>

using namespace vantorix::list;
using namespace Qt::StringLiterals;

namespace {

// The list text after a tool, as the window's buttons run it; "split" shows
// the pieces separated by '|', "shuffle" them sorted.
QString applied(const QString &tool, const QString &argument, const QString &list)
{
    QStringList pieces = splitList(list);
    if (tool == u"split"_s)
        return pieces.join(u'|');
    if (tool == u"shuffle"_s) {
        QRandomGenerator random(42);
        pieces = splitList(ShuffleLines(list, kSeparator, random));
        std::sort(pieces.begin(), pieces.end());
        return pieces.join(u'|');
    }
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
        columns<QString, QString, QString, QString>("tool", "argument", "list", "expected");
        const auto row = [](const char *tag, const char *tool, const char *argument,
                            const char *list, const char *expected) {
            QTest::newRow(tag) << QString::fromUtf8(tool) << QString::fromUtf8(argument)
                               << QString::fromUtf8(list) << QString::fromUtf8(expected);
        };
        row("a final separator leaves an empty piece", "split", "", "a\r\nb\r\n", "a|b|");
        row("lone CR and LF stay in the keyword", "split", "", "a\rb\nc\r\nd", "a\rb\nc|d");
        row("CR CR LF splits after the second CR", "split", "", "a\r\r\nb", "a\r|b");
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
        // The empty piece after the final separator sorts first.
        row("shuffle keeps spaces and repeats", "shuffle", "", " \r\nx\r\nx\r\n\r\n", "| |x|x");
        row("shuffle drops dedupe's empty line", "shuffle", "", "\r\nb\r\na\r\n", "|a|b");
        row("shuffle keeps an empty text", "shuffle", "", "", "");
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

    // number: empty when the text is no number
    void flooredNumber_data()
    {
        columns<QString, QString>("text", "number");
        const char *const cases[][2] = {
            {"2.9", "2"}, {"-0.5", "-1"},    {"-0", "0"},        {"  7 ", "7"},
            {"", ""},     {"1e400", ""},     {"2147483648", ""}, {"-2147483648.5", ""},
            {"NaN", ""},  {"-infinity", ""}, {"１２", ""}};
        for (const auto &[text, number] : cases)
            QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(number);
        QTest::newRow("100000 nines") << QString(100000, u'9') << QString();
    }
    void flooredNumber()
    {
        QFETCH(QString, text);
        const std::optional<int> number = parseFlooredNumber(text);
        QTEST(number ? QString::number(*number) : QString(), "number");
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
