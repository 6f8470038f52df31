#include "list/dedupe.h"
#include "list/keyword_list.h"
#include "list/shuffle.h"

#include <QTest>
#include <algorithm>

using namespace vantorix::list;
using namespace Qt::StringLiterals;

// Duplicate removal and shuffle on the list text.
class TestDedupeShuffle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void removeDuplicateLines_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first copy stays, with a leading separator")
            << u"b\r\na\r\nb\r\n"_s << u"\r\nb\r\na\r\n"_s;
        QTest::newRow("case and trailing space make different keywords")
            << u"a\r\nA\r\na \r\na"_s << u"\r\na\r\nA\r\na \r\n"_s;
        QTest::newRow("blank lines dropped") << u"   \r\nx\r\n\r\n "_s << u"\r\nx\r\n"_s;
        QTest::newRow("empty list") << QString() << u"\r\n"_s;
        QTest::newRow("full-width space line is a keyword")
            << u"\u3000\r\n\u3000"_s << u"\r\n\u3000\r\n"_s;
        QTest::newRow("lone LF is part of the keyword")
            << u"a\nb\r\na\r\nb"_s << u"\r\na\nb\r\na\r\nb\r\n"_s;
        // A keyword that the separator-search method would confuse: "b" is
        // inside "\r\nb\r\n" only as a whole piece, never as part of "ab".
        QTest::newRow("piece inside another piece") << u"ab\r\nb\r\nab"_s << u"\r\nab\r\nb\r\n"_s;
    }
    void removeDuplicateLines()
    {
        QFETCH(QString, list);
        QFETCH(QString, expected);
        const QString once = RemoveDuplicateLines(list, kSeparator);
        QCOMPARE(once, expected);
        QCOMPARE(RemoveDuplicateLines(once, kSeparator), once);
    }

    void removeDuplicateLines_otherSeparator()
    {
        QCOMPARE(RemoveDuplicateLines(u"a|b|a||"_s, u"|"_s), u"|a|b|"_s);
    }

    void shuffleLines_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("keywords");
        QTest::newRow("empty text") << QString() << QStringList();
        QTest::newRow("one keyword without separator") << u"a"_s << QStringList{u"a"_s};
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
            QVERIFY(!shuffled.startsWith(kSeparator));
            QCOMPARE(shuffled.isEmpty(), keywords.isEmpty());
            if (!shuffled.isEmpty())
                QVERIFY(shuffled.endsWith(kSeparator));
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
        QStringList keywords;
        for (int i = 0; i < n; ++i)
            keywords << QString::number(i);
        QList<QList<int>> counts(n, QList<int>(n, 0));
        QRandomGenerator random(7);
        for (int r = 0; r < rounds; ++r) {
            const QStringList order = shuffledPieces(keywords, random);
            QCOMPARE(order.size(), n);
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

QTEST_APPLESS_MAIN(TestDedupeShuffle)
#include "tst_dedupe_shuffle.moc"
