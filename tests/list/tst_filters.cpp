#include "list/filters.h"
#include "list/keyword_list.h"

#include <QTest>

using namespace vantorix::list;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<int>)

// The three keyword filters and the number their length argument is read as.
class TestFilters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseFlooredNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<int>>("number");
        const std::optional<int> none;
        QTest::newRow("whole") << u"2"_s << std::optional(2);
        QTest::newRow("fraction rounds down") << u"2.9"_s << std::optional(2);
        QTest::newRow("surrounding spaces") << u" 2 "_s << std::optional(2);
        QTest::newRow("negative") << u"-1"_s << std::optional(-1);
        QTest::newRow("negative fraction rounds down") << u"-0.5"_s << std::optional(-1);
        QTest::newRow("plus sign") << u"+3"_s << std::optional(3);
        QTest::newRow("zero") << u"0"_s << std::optional(0);
        QTest::newRow("empty") << QString() << none;
        QTest::newRow("spaces only") << u"   "_s << none;
        QTest::newRow("letters") << u"abc"_s << none;
        QTest::newRow("number then letters") << u"3abc"_s << none;
        QTest::newRow("overflowing double") << u"1e400"_s << none;
        QTest::newRow("largest int") << u"2147483647"_s << std::optional(2147483647);
        QTest::newRow("past largest int") << u"2147483648"_s << none;
        QTest::newRow("smallest int") << u"-2147483648"_s << std::optional(-2147483647 - 1);
        QTest::newRow("below smallest int") << u"-2147483648.5"_s << none;
        QTest::newRow("not a number") << u"nan"_s << none;
        QTest::newRow("infinity") << u"inf"_s << none;
    }
    void parseFlooredNumber()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<int>, number);
        QCOMPARE(vantorix::list::parseFlooredNumber(text), number);
    }

    void filterArgument_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("argument");
        QTest::newRow("spaces trimmed") << u" abc "_s << u"abc"_s;
        QTest::newRow("inner spaces kept") << u"  a b "_s << u"a b"_s;
        QTest::newRow("spaces only") << u"   "_s << QString();
        QTest::newRow("tab is no space") << u"\tx"_s << u"\tx"_s;
        QTest::newRow("full-width space is no space") << u"\u3000x"_s << u"\u3000x"_s;
    }
    void filterArgument()
    {
        QFETCH(QString, raw);
        QFETCH(QString, argument);
        QCOMPARE(vantorix::list::filterArgument(raw), argument);
    }

    void textFilters_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<QString>("containing");
        QTest::addColumn<QString>("notContaining");
        QTest::newRow("letter case ignored") << u"SEO工具\r\nabc\r\nSeo\r\n"_s << u"seo"_s
                                             << u"SEO工具\r\nSeo\r\n"_s << u"abc\r\n\r\n"_s;
        QTest::newRow("empty pieces only kept by the negative filter")
            << u"a\r\n\r\nb\r\n"_s << u"x"_s << QString() << u"a\r\n\r\nb\r\n\r\n"_s;
        QTest::newRow("spaces-only pieces")
            << u"  \r\nab"_s << u"a"_s << u"ab\r\n"_s << u"  \r\n"_s;
        QTest::newRow("repeated keywords all kept")
            << u"ab\r\nab\r\nc"_s << u"B"_s << u"ab\r\nab\r\n"_s << u"c\r\n"_s;
        QTest::newRow("Chinese") << u"减肥方法\r\n瘦身"_s << u"减肥"_s << u"减肥方法\r\n"_s
                                 << u"瘦身\r\n"_s;
        QTest::newRow("full-width letters fold too")
            << u"ＳＥＯ\r\nx"_s << u"ｓｅｏ"_s << u"ＳＥＯ\r\n"_s << u"x\r\n"_s;
        QTest::newRow("empty list stays empty") << QString() << u"a"_s << QString() << QString();
    }
    void textFilters()
    {
        QFETCH(QString, list);
        QFETCH(QString, needle);
        QFETCH(QString, containing);
        QFETCH(QString, notContaining);
        const QStringList pieces = splitList(list);
        QCOMPARE(joinList(keepContaining(pieces, needle)), containing);
        QCOMPARE(joinList(keepNotContaining(pieces, needle)), notContaining);
    }

    void keepLongerThan_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("minLength");
        QTest::addColumn<QString>("kept");
        const QString abc = u"abc\r\nab\r\n"_s;
        QTest::newRow("2 keeps abc, drops ab") << abc << 2 << u"abc\r\n"_s;
        QTest::newRow("-1 keeps everything, the empty last piece too")
            << abc << -1 << u"abc\r\nab\r\n\r\n"_s;
        QTest::newRow("0 keeps the non-empty") << abc << 0 << abc;
        QTest::newRow("Chinese characters count one each")
            << u"减肥药\r\n减肥"_s << 2 << u"减肥药\r\n"_s;
        QTest::newRow("outside the BMP counts two") << u"😀\r\na"_s << 1 << u"😀\r\n"_s;
        QTest::newRow("spaces count") << u"   \r\n  "_s << 2 << u"   \r\n"_s;
        QTest::newRow("huge minimum keeps nothing") << abc << 2147483647 << QString();
    }
    void keepLongerThan()
    {
        QFETCH(QString, list);
        QFETCH(int, minLength);
        QFETCH(QString, kept);
        QCOMPARE(joinList(vantorix::list::keepLongerThan(splitList(list), minLength)), kept);
    }
};

QTEST_APPLESS_MAIN(TestFilters)
#include "tst_filters.moc"
