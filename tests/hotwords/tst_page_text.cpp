#include "hotwords/charset.h"
#include "hotwords/dump_file.h"
#include "hotwords/extract.h"
#include "hotwords/sources.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace vantorix;
using namespace vantorix::hotwords;
using namespace Qt::StringLiterals;

namespace {

QByteArray gb(const QString &text)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

QString anchor(const QString &text)
{
    return u"<td><a href=\"/s?wd=x\" target=\"_blank\">"_s + text + u"</a></td>\n"_s;
}

QString cell(const QString &host, const QString &text)
{
    return u"<tr><td><a href=\"http://"_s + host + u"/web?q=x\">"_s + text + u"</a></td></tr>"_s;
}

} // namespace

class TestPageText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void extractBetween_data();
    void extractBetween();
    void extractAllBetween_data();
    void extractAllBetween();
    void hugeText();
    void wordList_data();
    void wordList();
    void decode_data();
    void decode();
    void dumpFile();
};

void TestPageText::extractBetween_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("expected");
    const QString week = u"最近七日"_s, table = u"</table>"_s;
    QTest::newRow("lower-cased, spaces and breaks kept")
        << u"<p>最近24小时搜索量 \r\n<td>FOO 词</td>\r\n</table>"_s << u"最近24小时搜索量"_s
        << table << u" \r\n<td>foo 词</td>\r\n"_s;
    QTest::newRow("end marker in another case")
        << u"<b>AbC</b>x</html>"_s << u"<B>"_s << u"</HTML>"_s << u"abc</b>x"_s;
    QTest::newRow("second start ends the section")
        << week + u"A</b>"_s + week + u"B</table>"_s << week << table << u"a</b>"_s;
    QTest::newRow("end marker only") << u"x</table>"_s << week << table << QString();
    QTest::newRow("start marker only") << week + u"x"_s << week << table << QString();
    QTest::newRow("empty text") << QString() << week << table << QString();
    QTest::newRow("end only before the start") << u"</table>[[A[[B"_s << u"[["_s << table << u"a"_s;
    QTest::newRow("empty end marker") << u"x[[Ab[[c"_s << u"[["_s << QString() << u"ab"_s;
    QTest::newRow("empty start marker") << u"a]]b"_s << QString() << u"]]"_s << QString();
    QTest::newRow("a capital that lower-cases to two characters")
        << u"x\u0130y]]"_s << u"i\u0307"_s << u"]]"_s << u"y"_s;
    QTest::newRow("Greek letters ignore case") << u"xΣAΣyΔ"_s << u"σaσ"_s << u"δ"_s << u"y"_s;
}

void TestPageText::extractBetween()
{
    QFETCH(QString, text);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, expected);
    QCOMPARE(ExtractBetween(text, start, end), expected);
}

void TestPageText::extractAllBetween_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("expected");
    const QString open = u"\" target=\"_blank\">"_s, close = u"</a>"_s;
    QTest::newRow("case and repeats kept") << anchor(u"Foo"_s) + anchor(u"bar"_s) + anchor(u"Foo"_s)
                                           << open << close << u"Foo\r\nbar\r\nFoo\r\n"_s;
    QTest::newRow("an empty piece does not end the scan")
        << anchor(u"甲"_s) + anchor({}) + anchor(u"丙"_s) << open << close << u"甲\r\n丙\r\n"_s;
    QTest::newRow("last start unclosed")
        << anchor(u"one"_s) + u"\" target=\"_blank\">two"_s << open << close << u"one\r\n"_s;
    QTest::newRow("no end marker") << u"\" target=\"_blank\">one"_s << open << close << QString();
    QTest::newRow("markers in another case")
        << u"<A X=\"1\" TARGET=\"_BLANK\">One</A>"_s << open << close << u"One\r\n"_s;
    QTest::newRow("piece holds a start marker, breaks kept")
        << u"[[a[[b\r\n]]"_s << u"[["_s << u"]]"_s << u"a[[b\r\n\r\n"_s;
    QTest::newRow("end marker shared with the next start")
        << u"<x>1<x>2<x>"_s << u"<x>"_s << u"<x>"_s << u"1\r\n2\r\n"_s;
    QTest::newRow("empty start marker") << u"a]]b]]"_s << QString() << u"]]"_s << QString();
    QTest::newRow("empty end marker") << u"[[a[[b"_s << u"[["_s << QString() << QString();
}

void TestPageText::extractAllBetween()
{
    QFETCH(QString, text);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, expected);
    QCOMPARE(ExtractAllBetween(text, start, end), expected);
}

void TestPageText::hugeText()
{
    // 200,000 anchors, an empty one every 1000, a megabyte of tail.
    QString page = u"最近七日"_s, expected;
    for (int i = 0; i < 200000; ++i) {
        const QString word = i % 1000 == 999 ? QString() : u"Word"_s + QString::number(i);
        page += anchor(word);
        if (!word.isEmpty())
            expected += word.toLower() + u"\r\n"_s;
    }
    page += u"</TABLE>"_s + QString(1 << 20, u'x');
    const HotwordSource &source = *sourceByName(u"baidu-new"_s);
    QCOMPARE(hotwords::wordList(page, source, {}), expected);
}

void TestPageText::wordList_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("expected");
    const QString sogou = u"www.sogou.com"_s, local = u"127.0.0.1:8080"_s;
    const QString today = u"<h2>今日搜索</h2><table>"_s;
    QTest::newRow("Baidu: section only, lower-cased, repeats kept")
        << u"baidu-today"_s
        << anchor(u"nav"_s) + u"最近24小时搜索量"_s + anchor(u"iPhone"_s) + anchor(u"IPHONE"_s) +
               u"</table>"_s + anchor(u"foot"_s)
        << u"iphone\r\niphone\r\n"_s;
    QTest::newRow("Baidu: nothing after a second section start")
        << u"baidu-week"_s
        << u"最近七日"_s + anchor(u"一"_s) + u"最近七日"_s + anchor(u"二"_s) + u"</table>"_s
        << u"一\r\n"_s;
    QTest::newRow("Sogou: only cells linking to the web search")
        << u"sogou-today"_s
        << cell(local, u"head"_s) + today + cell(local, u"Word One"_s) +
               cell(sogou, u"real host"_s) + u"<a href=\"http://127.0.0.1:8080/web\">z</a>"_s +
               cell(local, {}) + cell(local, u"热词"_s) + u"</table></html>"_s
        << u"word one\r\n热词\r\n"_s;
    QTest::newRow("Sogou: no section end")
        << u"sogou-week"_s << today + cell(local, u"a"_s) << QString();
}

void TestPageText::wordList()
{
    QFETCH(QString, source);
    QFETCH(QString, page);
    QFETCH(QString, expected);
    config::Settings settings;
    settings.hosts.sogouSearch = u"127.0.0.1:8080"_s;
    QCOMPARE(hotwords::wordList(page, *sourceByName(source), settings), expected);
}

void TestPageText::decode_data()
{
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");
    const QString words = u"最近七日 热词€"_s;
    QTest::newRow("nothing declared: GB18030") << QByteArray() << gb(words) << words;
    QTest::newRow("GBK in the header") << "text/html; charset=GBK"_ba << gb(words) << words;
    QTest::newRow("UTF-8 in the header, quoted")
        << "text/html;Charset = \"utf-8\""_ba << words.toUtf8() << words;
    QTest::newRow("header wins over meta")
        << "text/html; charset=utf-8"_ba
        << "<meta charset=gbk>"_ba + words.toUtf8() << u"<meta charset=gbk>"_s + words;
    QTest::newRow("UTF-8 in meta http-equiv")
        << "text/html"_ba
        << "<META http-equiv=x content='text/html; charset=UTF-8'>"_ba + words.toUtf8()
        << u"<META http-equiv=x content='text/html; charset=UTF-8'>"_s + words;
    QTest::newRow("meta beyond the first 4 KB ignored")
        << QByteArray() << QByteArray(5000, ' ') + "<meta charset=utf-8>" + gb(words)
        << QString(5000, u' ') + u"<meta charset=utf-8>"_s + words;
    QTest::newRow("charset= outside a meta tag")
        << QByteArray() << "charset=utf-8"_ba + gb(words) << u"charset=utf-8"_s + words;
    QTest::newRow("UTF-8 byte-order mark")
        << QByteArray() << "\xEF\xBB\xBF"_ba + words.toUtf8() << words;
    QTest::newRow("Latin-1 by name") << "text/html; charset=iso-8859-1"_ba
                                     << "caf\xE9"_ba << u"café"_s;
    QTest::newRow("unknown charset: GB18030")
        << "text/html; charset=x-nothing"_ba << gb(words) << words;
    QTest::newRow("invalid UTF-8 costs one character") << "text/html; charset=utf-8"_ba
                                                       << "<a>\xFF</a>"_ba << u"<a>\uFFFD</a>"_s;
}

void TestPageText::decode()
{
    QFETCH(QByteArray, contentType);
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    QCOMPARE(decodePage(body, contentType).text, expected);
}

void TestPageText::dumpFile()
{
    QTemporaryDir dir;
    config::Settings settings;
    settings.dumpFile = dir.filePath(u"new/1.txt"_s); // its folder is created
    QCOMPARE(writeDumpFile(u"a long first list\r\n"_s, settings), QString());
    QCOMPARE(writeDumpFile(u"减肥\r\n"_s, settings), QString());
    QFile file(settings.dumpFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "\xBC\xF5\xB7\xCA\r\n\r\n"_ba);

    settings.dumpFile = dir.path(); // a folder cannot be written as a file
    QVERIFY(writeDumpFile({}, settings).contains(dir.path()));

    QStandardPaths::setTestModeEnabled(true);
#ifdef Q_OS_WIN
    QCOMPARE(dumpFilePath({}), u"d:\\1.txt"_s);
#else
    QVERIFY(dumpFilePath({}).endsWith(u"/Vantorix/1.txt"_s));
#endif
}

QTEST_APPLESS_MAIN(TestPageText)
#include "tst_page_text.moc"
