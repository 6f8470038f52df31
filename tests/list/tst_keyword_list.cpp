#include "list/export_text.h"
#include "list/keyword_list.h"

#include <QTest>

using namespace vantorix::list;
using namespace Qt::StringLiterals;

// Splitting the list text, the file-of-lines reading, and the
// export conversion, which only rewrites separators.
class TestKeywordList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("empty text has no pieces") << QString() << QStringList();
        QTest::newRow("no separator") << QStringLiteral("abc") << QStringList{u"abc"_s};
        QTest::newRow("final separator leaves an empty piece")
            << QStringLiteral("a\r\nb\r\n") << QStringList{u"a"_s, u"b"_s, QString()};
        QTest::newRow("leading and doubled separators")
            << QStringLiteral("\r\na\r\n\r\nb")
            << QStringList{QString(), u"a"_s, QString(), u"b"_s};
        QTest::newRow("lone CR and LF stay in the keyword")
            << QStringLiteral("a\rb\nc\r\nd") << QStringList{u"a\rb\nc"_s, u"d"_s};
        QTest::newRow("CR CR LF splits after the second CR")
            << QStringLiteral("a\r\r\nb") << QStringList{u"a\r"_s, u"b"_s};
        QTest::newRow("separator alone")
            << QStringLiteral("\r\n") << QStringList{QString(), QString()};
        QTest::newRow("spaces are kept")
            << QStringLiteral(" a \r\n  ") << QStringList{u" a "_s, u"  "_s};
    }
    void splitList()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, pieces);
        QCOMPARE(vantorix::list::splitList(text), pieces);
    }

    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("final LF ends the last line")
            << QStringLiteral("a\nb\n") << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("no final newline") << QStringLiteral("a\nb") << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("CRLF and LF mixed")
            << QStringLiteral("a\r\nb\nc\r\n") << QStringList{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("a lone newline is one empty line")
            << QStringLiteral("\n") << QStringList{QString()};
        QTest::newRow("blank lines in between")
            << QStringLiteral("a\n\n\r\nb") << QStringList{u"a"_s, QString(), QString(), u"b"_s};
        QTest::newRow("lone CR stays") << QStringLiteral("a\rb\r\r\n") << QStringList{u"a\rb\r"_s};
        QTest::newRow("CR at the very end stays") << QStringLiteral("a\r") << QStringList{u"a\r"_s};
    }
    void splitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(vantorix::list::splitLines(text), lines);
    }

    void exportText_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("separatorName");
        QTest::addColumn<QString>("expected");
        const QString ab = QStringLiteral("a\r\nb\r\n");
        QTest::newRow("comma") << ab << u"comma"_s << u"a,b,"_s;
        QTest::newRow("bar") << ab << u"bar"_s << u"a|b|"_s;
        QTest::newRow("newline keeps the text") << ab << u"newline"_s << ab;
        QTest::newRow("empty line gives two commas")
            << QStringLiteral("a\r\n\r\nb") << u"comma"_s << u"a,,b"_s;
        QTest::newRow("empty list") << QString() << u"comma"_s << QString();
        QTest::newRow("lone CR and LF stay")
            << QStringLiteral("a\rb\nc\r\n") << u"bar"_s << u"a\rb\nc|"_s;
        QTest::newRow("keywords untouched")
            << QStringLiteral(" x \r\nx\r\n") << u"comma"_s << u" x ,x,"_s;
    }
    void exportText()
    {
        QFETCH(QString, list);
        QFETCH(QString, separatorName);
        QFETCH(QString, expected);
        ExportSeparator separator;
        QVERIFY(parseExportSeparator(separatorName, &separator));
        QCOMPARE(vantorix::list::exportText(list, separator), expected);
    }
};

QTEST_APPLESS_MAIN(TestKeywordList)
#include "tst_keyword_list.moc"
