#include "gbk.h"
#include "hotwords/charset.h"
#include "hotwords/dump_file.h"
#include "hotwords/extract.h"
#include "hotwords/sources.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace vantorix;
using namespace vantorix::hotwords;
using namespace Qt::StringLiterals;

namespace {

QString anchor(const QString &text)
{
    return u"<td><a href=\"/s?wd=x\" target=\"_blank\">"_s + text + u"</a></td>\n"_s;
}

QString cell(const QString &host, const QString &text)
{
    return u"<tr><td><a href=\"http://"_s + host + u"/web?q=x\">"_s + text + u"</a></td></tr>"_s;
}

} // namespace

// Cutting words out of pages, decoding them, and the dump file.
class TestPageText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void extract_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("all"); // ExtractAllBetween, else ExtractBetween
        const QString week = u"最近七日"_s, table = u"</table>"_s;
        QTest::newRow("lower-cased, spaces and breaks kept")
            << u"<p>最近24小时搜索量 \r\n<td>FOO 词</td>\r\n</table>"_s << u"最近24小时搜索量"_s
            << table << u" \r\n<td>foo 词</td>\r\n"_s << false;
        QTest::newRow("second start ends the section")
            << week + u"A</b>"_s + week + u"B</table>"_s << week << table << u"a</b>"_s << false;
        QTest::newRow("start marker only") << week + u"x"_s << week << table << QString() << false;
        QTest::newRow("end only before the start")
            << u"</table>[[A[[B"_s << u"[["_s << table << u"a"_s << false;
        QTest::newRow("empty end marker")
            << u"x[[Ab[[c"_s << u"[["_s << QString() << u"ab"_s << false;
        QTest::newRow("empty start marker")
            << u"a]]b"_s << QString() << u"]]"_s << QString() << false;
        QTest::newRow("a capital that lower-cases to two characters")
            << u"x\u0130y]]"_s << u"i\u0307"_s << u"]]"_s << u"y"_s << false;
        const QString open = u"\" target=\"_blank\">"_s, close = u"</a>"_s;
        QTest::newRow("case and repeats kept")
            << anchor(u"Foo"_s) + anchor(u"bar"_s) + anchor(u"Foo"_s) << open << close
            << u"Foo\r\nbar\r\nFoo\r\n"_s << true;
        QTest::newRow("an empty piece does not end the scan")
            << anchor(u"甲"_s) + anchor({}) + anchor(u"丙"_s) << open << close << u"甲\r\n丙\r\n"_s
            << true;
        QTest::newRow("last start unclosed") << anchor(u"one"_s) + u"\" target=\"_blank\">two"_s
                                             << open << close << u"one\r\n"_s << true;
        QTest::newRow("piece holds a start marker, breaks kept")
            << u"[[a[[b\r\n]]"_s << u"[["_s << u"]]"_s << u"a[[b\r\n\r\n"_s << true;
        QTest::newRow("end marker shared with the next start")
            << u"<x>1<x>2<x>"_s << u"<x>"_s << u"<x>"_s << u"1\r\n2\r\n"_s << true;
        QTest::newRow("all: empty start marker")
            << u"a]]b]]"_s << QString() << u"]]"_s << QString() << true;
    }
    void extract()
    {
        QFETCH(QString, text);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, all);
        QTEST(all ? ExtractAllBetween(text, start, end) : ExtractBetween(text, start, end),
              "expected");
    }

    void wordList_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("expected");
        const QString sogou = u"www.sogou.com"_s, local = u"127.0.0.1:8080"_s;
        const QString today = u"<h2>今日搜索</h2><table>"_s;
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
    }
    void wordList()
    {
        QFETCH(QString, source);
        QFETCH(QString, page);
        config::Settings settings;
        settings.hosts.sogouSearch = u"127.0.0.1:8080"_s;
        QTEST(hotwords::wordList(page, *sourceByName(source), settings), "expected");
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected");
        const QString words = u"最近七日 热词€"_s;
        QTest::newRow("nothing declared: GB18030") << QByteArray() << gbk(words) << words;
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
            << QByteArray() << QByteArray(5000, ' ') + "<meta charset=utf-8>" + gbk(words)
            << QString(5000, u' ') + u"<meta charset=utf-8>"_s + words;
        QTest::newRow("UTF-8 byte-order mark")
            << QByteArray() << "\xEF\xBB\xBF"_ba + words.toUtf8() << words;
        QTest::newRow("invalid UTF-8 costs one character")
            << "text/html; charset=utf-8"_ba
            << "<a>\xFF</a>"_ba << u"<a>\uFFFD</a>"_s;
    }
    void decode()
    {
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QTEST(decodePage(body, contentType), "expected");
    }

    void dumpFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("before"); // null: no such file
        QTest::addColumn<QString>("error");     // empty: written
        QTest::newRow("a new file") << u"1.txt"_s << QByteArray() << QString();
        QTest::newRow("a longer file replaced")
            << u"1.txt"_s << "a long first list\r\n"_ba << QString();
        QTest::newRow("no such folder") << u"none/1.txt"_s << QByteArray() << u"no folder"_s;
        QTest::newRow("a folder") << u"."_s << QByteArray() << u"it is a folder"_s;
    }
    void dumpFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, before);
        QFETCH(QString, error);
        QTemporaryDir dir;
        config::Settings settings;
        settings.dumpFile = dir.filePath(name);
        QFile file(settings.dumpFile);
        if (!before.isNull())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
        file.close();
        const Result<> written = writeDumpFile(u"减肥\r\n"_s, settings);
        QVERIFY2(written.error().contains(error), qPrintable(written.error()));
        QCOMPARE(written.ok(), error.isEmpty());
        if (written) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), gbk(u"减肥\r\n\r\n"_s));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(),
                 written || !before.isNull() ? 1 : 0);

        QStandardPaths::setTestModeEnabled(true);
#ifdef Q_OS_WIN
        QCOMPARE(dumpFilePath({}), u"d:\\1.txt"_s);
#else
        QVERIFY(dumpFilePath({}).endsWith(u"/Vantorix/1.txt"_s));
#endif
    }

    // A pipe or a device is written into, never replaced by a file: as root a
    // rename over /dev/full would succeed.
    void dumpFileIntoDevices()
    {
#ifndef Q_OS_UNIX
        QSKIP("FIFOs and /dev are Unix matters");
#else
        // The FIFO goes first: should it be replaced, the real devices are left alone.
        QTemporaryDir dir;
        config::Settings settings;
        settings.dumpFile = dir.filePath(u"fifo"_s);
        QCOMPARE(mkfifo(QFile::encodeName(settings.dumpFile).constData(), 0600), 0);
        QProcess reader;
        reader.start(u"cat"_s, {settings.dumpFile});
        QVERIFY(reader.waitForStarted());
        QVERIFY(writeDumpFile(u"减肥\r\n"_s, settings));
        QVERIFY(reader.waitForFinished());
        QCOMPARE(reader.readAllStandardOutput(), gbk(u"减肥\r\n\r\n"_s));
        QVERIFY(!QFileInfo(settings.dumpFile).isFile());

        settings.dumpFile = u"/dev/null"_s;
        QVERIFY(writeDumpFile(u"减肥\r\n"_s, settings));
        settings.dumpFile = u"/dev/full"_s;
        const Result<> full = writeDumpFile(u"减肥\r\n"_s, settings);
        QVERIFY2(full.error().startsWith(u"cannot write /dev/full: "_s), qPrintable(full.error()));
        QVERIFY(!QFileInfo(u"/dev/null"_s).isFile() && !QFileInfo(u"/dev/full"_s).isFile());
#endif
    }
};

QTEST_APPLESS_MAIN(TestPageText)
#include "tst_page_text.moc"
