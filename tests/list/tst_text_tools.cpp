#include "data_table.h"
#include "list/dedupe.h"
#include "list/export_text.h"
#include "list/filters.h"
#include "list/keyword_list.h"
#include "list/root_groups.h"
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

    // Grouping by root, on lists whose roots are known. Keywords ',' separated;
    // groups as "root:keyword,keyword|root:keyword".
    void groupByRoot_data()
    {
        columns<QString, int, QString>("keywords", "minSize", "groups");
        const auto row = [](const char *name, const char *keywords, int minSize,
                            const char *groups) {
            QTest::newRow(name) << QString::fromUtf8(keywords) << minSize
                                << QString::fromUtf8(groups);
        };
        row("a shared root, the rest in 其他", "减肥方法,手机价格,减肥食谱,减肥运动,天气,新闻", 3,
            "减肥:减肥方法,减肥食谱,减肥运动|其他:手机价格,天气,新闻");
        row("a root in more than half of the keywords is none",
            "减肥方法,减肥食谱,减肥运动,减肥药,工作方法,学习方法", 2,
            "方法:减肥方法,工作方法,学习方法|其他:减肥食谱,减肥运动,减肥药");
        row("more keywords beat a longer root",
            "iphone15价格,iphone15壳,iphone15维修,手机价格,电脑价格,汽车价格,天气,新闻", 2,
            "价格:iphone15价格,手机价格,电脑价格,汽车价格|iphone15:iphone15壳,iphone15维修|"
            "其他:天气,新闻");
        row("a root left below the minimum gives its keywords up",
            "iphone15价格,iphone15壳,iphone15维修,手机价格,电脑价格,汽车价格,天气,新闻", 3,
            "价格:iphone15价格,手机价格,电脑价格,汽车价格|其他:iphone15壳,iphone15维修,天气,新闻");
        row("equal counts: the longer root",
            "iphone15价格,iphone15壳,iphone15维修,手机价格,电脑价格,天气,新闻", 2,
            "iphone15:iphone15价格,iphone15壳,iphone15维修|价格:手机价格,电脑价格|其他:天气,新闻");
        // 方法 is met before 减肥 in the input, though not in 减肥方法.
        row("equal counts and lengths: the root met first",
            "学习方法,减肥食谱,减肥运动,工作方法,减肥方法,天气,新闻", 2,
            "方法:学习方法,工作方法,减肥方法|减肥:减肥食谱,减肥运动|其他:天气,新闻");
        row("letter case ignored, the first spelling names the group",
            "SEO教程,seo工具,Seo优化,天气,新闻,地图", 3,
            "SEO:SEO教程,seo工具,Seo优化|其他:天气,新闻,地图");
        row("equal sizes in the order met, 其他 last though largest",
            "学习方法,减肥食谱,绿茶,工作方法,减肥运动,红茶,奶茶", 2,
            "方法:学习方法,工作方法|减肥:减肥食谱,减肥运动|其他:绿茶,红茶,奶茶");
        row("其他 is never a root", "其他减肥,其他方法,其他工具", 3,
            "其他:其他减肥,其他方法,其他工具");
        row("one-character words and punctuation are no roots", "a 1,a 2,c++,c++", 2,
            "其他:a 1,a 2,c++,c++");
        row("a repeated keyword counts each time", "减肥茶,减肥茶,减肥茶,天气,新闻,地图", 3,
            "减肥:减肥茶,减肥茶,减肥茶|其他:天气,新闻,地图");
        row("min size 1", "减肥茶,天气", 1, "减肥:减肥茶|天气:天气");
        row("no keywords", "", 3, "");
    }
    void groupByRoot()
    {
        QFETCH(QString, keywords);
        QFETCH(int, minSize);
        const QStringList list = keywords.split(u',', Qt::SkipEmptyParts);
        const auto result = vantorix::list::groupByRoot({list.begin(), list.end()}, minSize);
        QVERIFY2(result.ok(), qPrintable(result.error()));
        QStringList groups;
        for (const RootGroup &group : *result) {
            QStringList members;
            for (const qsizetype i : group.keywords)
                members.append(list[i]);
            groups.append(group.name + u':' + members.join(u','));
        }
        QTEST(groups.join(u'|'), "groups");
    }
};

QTEST_APPLESS_MAIN(TestTextTools)
#include "tst_text_tools.moc"
