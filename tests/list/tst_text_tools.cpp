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

// The list tools on the list text, as the window runs them. The UTF-8 tools
// of the command line are held to these by tst_utf8_tools.
class TestTextTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listSplit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("final separator leaves an empty piece")
            << u"a\r\nb\r\n"_s << QStringList{u"a"_s, u"b"_s, QString()};
        QTest::newRow("lone CR and LF stay in the keyword")
            << u"a\rb\nc\r\nd"_s << QStringList{u"a\rb\nc"_s, u"d"_s};
        QTest::newRow("CR CR LF splits after the second CR")
            << u"a\r\r\nb"_s << QStringList{u"a\r"_s, u"b"_s};
    }
    void listSplit()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, pieces);
        QCOMPARE(vantorix::list::splitList(text), pieces);
    }

    void exportConversion_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("separatorName");
        QTest::addColumn<QString>("expected");
        QTest::newRow("newline keeps the text")
            << u"a\r\nb\r\n"_s << u"newline"_s << u"a\r\nb\r\n"_s;
        QTest::newRow("empty line gives two commas") << u"a\r\n\r\nb"_s << u"comma"_s << u"a,,b"_s;
        QTest::newRow("lone CR and LF stay") << u"a\rb\nc\r\n"_s << u"bar"_s << u"a\rb\nc|"_s;
    }
    void exportConversion()
    {
        QFETCH(QString, list);
        QFETCH(QString, separatorName);
        QFETCH(QString, expected);
        const auto separator = parseExportSeparator(separatorName);
        QVERIFY(separator);
        QCOMPARE(vantorix::list::exportText(list, *separator), expected);
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
    }
    void flooredNumber()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<int>, number);
        QCOMPARE(vantorix::list::parseFlooredNumber(text), number);
    }

    void textFilters_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("containing");
        QTest::addColumn<QString>("notContaining");
        QTest::newRow("empty pieces only kept by the negative filter")
            << u"a\r\n\r\nb\r\n"_s << u"x"_s << QString() << u"a\r\n\r\nb\r\n\r\n"_s;
        QTest::newRow("spaces-only pieces")
            << u"  \r\nab"_s << u"a"_s << u"ab\r\n"_s << u"  \r\n"_s;
        QTest::newRow("full-width letters fold")
            << u"ＳＥＯ\r\nx"_s << u"ｓｅｏ"_s << u"ＳＥＯ\r\n"_s << u"x\r\n"_s;
        QTest::newRow("empty list stays empty") << QString() << u"a"_s << QString() << QString();
    }
    void textFilters()
    {
        QFETCH(QString, list);
        QFETCH(QString, argument);
        QFETCH(QString, containing);
        QFETCH(QString, notContaining);
        const QString needle = filterArgument(argument);
        QCOMPARE(joinList(keepContaining(splitList(list), needle)), containing);
        QCOMPARE(joinList(keepNotContaining(splitList(list), needle)), notContaining);
        QVERIFY(filterArgument(u"   "_s).isEmpty());
        QCOMPARE(filterArgument(u" \u3000x "_s), u"\u3000x"_s); // only ASCII spaces trimmed
    }

    void longerThan_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("minLength");
        QTest::addColumn<QString>("kept");
        QTest::newRow("-1 keeps everything, the empty last piece too")
            << u"abc\r\nab\r\n"_s << -1 << u"abc\r\nab\r\n\r\n"_s;
        QTest::newRow("Chinese characters count one each")
            << u"减肥药\r\n减肥"_s << 2 << u"减肥药\r\n"_s;
        QTest::newRow("outside the BMP counts two") << u"😀\r\na"_s << 1 << u"😀\r\n"_s;
    }
    void longerThan()
    {
        QFETCH(QString, list);
        QFETCH(int, minLength);
        QFETCH(QString, kept);
        QCOMPARE(joinList(vantorix::list::keepLongerThan(splitList(list), minLength)), kept);
    }

    void removeDuplicateLines_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("expected");
        QTest::newRow("case and trailing space make different keywords")
            << u"a\r\nA\r\na \r\na"_s << u"\r\na\r\nA\r\na \r\n"_s;
        QTest::newRow("blank lines dropped") << u"   \r\nx\r\n\r\n "_s << u"\r\nx\r\n"_s;
        QTest::newRow("a piece inside another") << u"ab\r\nb\r\nab"_s << u"\r\nab\r\nb\r\n"_s;
    }
    void removeDuplicateLines()
    {
        QFETCH(QString, list);
        QFETCH(QString, expected);
        const QString once = RemoveDuplicateLines(list, kSeparator);
        QCOMPARE(once, expected);
        QCOMPARE(RemoveDuplicateLines(once, kSeparator), once);
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
