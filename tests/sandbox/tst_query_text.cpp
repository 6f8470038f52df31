#include "sandbox/query_text.h"

#include <QTest>

using namespace vantorix::sandbox;
using namespace Qt::StringLiterals;

class TestQueryText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void value_data();
    void value();
};

void TestQueryText::value_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("GB18030") << QByteArray("wd=%BC%F5%B7%CA") << QByteArray("wd") << u"减肥"_s;
    QTest::newRow("lower-case hex, more parameters")
        << QByteArray("wd=%bc%f5%b7%ca&f=1") << QByteArray("wd") << u"减肥"_s;
    QTest::newRow("encoded ampersand and hash")
        << QByteArray("f=1&wd=a%26b%20%23c") << QByteArray("wd") << u"a&b #c"_s;
    QTest::newRow("plus is a space, %2B a plus")
        << QByteArray("wd=16%2B8+a") << QByteArray("wd") << u"16+8 a"_s;
    QTest::newRow("percent sign") << QByteArray("wd=100%25") << QByteArray("wd") << u"100%"_s;
    QTest::newRow("four-byte GB18030")
        << QByteArray("wd=%95%32%82%36") << QByteArray("wd") << u"\U00020000"_s;
    QTest::newRow("UTF-8 when asked")
        << QByteArray("ie=utf-8&wd=%E5%87%8F%E8%82%A5") << QByteArray("wd") << u"减肥"_s;
    QTest::newRow("first of two") << QByteArray("wd=a&wd=b") << QByteArray("wd") << u"a"_s;
    QTest::newRow("name is matched whole")
        << QByteArray("kwd=a&wd=b") << QByteArray("wd") << u"b"_s;
    QTest::newRow("empty value") << QByteArray("wd=") << QByteArray("wd") << QString();
    QTest::newRow("missing") << QByteArray("query=a") << QByteArray("wd") << QString();
    QTest::newRow("sogou query") << QByteArray("query=%CA%DD&ie=gbk") << QByteArray("query")
                                 << u"瘦"_s;
}

void TestQueryText::value()
{
    QFETCH(QByteArray, query);
    QFETCH(QByteArray, name);
    QTEST(queryValue(query, name), "expected");
}

QTEST_GUILESS_MAIN(TestQueryText)
#include "tst_query_text.moc"
