#include "cli_process.h"
#include "data_table.h"
#include "gbk.h"
#include "layout/classic_hotlists.h"
#include "web/charset.h"
#include "web/dump_file.h"
#include "web/extract.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace vantorix;
using namespace vantorix::web;
using namespace Qt::StringLiterals;

// Cutting words out of pages, decoding them, and the dump file.
class TestPageText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void extract_data()
    {
        // all: ExtractAllBetween, else ExtractBetween
        columns<QString, QString, QString, QString, bool>("text", "start", "end", "expected",
                                                          "all");
        const auto row = [](const char *tag, bool all, const char *text, const char *start,
                            const char *end, const char *expected) {
            QTest::newRow(tag) << QString::fromUtf8(text) << QString::fromUtf8(start)
                               << QString::fromUtf8(end) << QString::fromUtf8(expected) << all;
        };
        row("lower-cased, spaces and breaks kept", false,
            "最近七日 \r\n<td>FOO 词</td>\r\n</table>", "最近七日", "</table>",
            " \r\n<td>foo 词</td>\r\n");
        row("a second start ends the section", false, "[[A</b>[[B]]", "[[", "]]", "a</b>");
        row("start marker only", false, "[[x", "[[", "]]", "");
        row("end only before the start", false, "]][[A[[B", "[[", "]]", "a");
        row("empty end marker", false, "x[[Ab[[c", "[[", "", "ab");
        row("empty start marker", false, "a]]b", "", "]]", "");
        row("a capital lower-cased to two characters", false, "x\u0130y]]", "i\u0307", "]]", "y");
        row("case and repeats kept", true, "[[Foo]][[bar]][[Foo]]", "[[", "]]",
            "Foo\r\nbar\r\nFoo\r\n");
        row("an empty piece does not end the scan", true, "[[甲]][[]][[丙]]", "[[", "]]",
            "甲\r\n丙\r\n");
        row("the last start unclosed", true, "[[one]][[two", "[[", "]]", "one\r\n");
        row("markers ignore case", true, "<A X=1 TARGET=_BLANK>One</A>", "target=_blank>", "</a>",
            "One\r\n");
        row("a piece holds a start marker and breaks", true, "[[a[[b\r\n]]", "[[", "]]",
            "a[[b\r\n\r\n");
        row("an end marker shared with the next start", true, "<x>1<x>2<x>", "<x>", "<x>",
            "1\r\n2\r\n");
        row("all: empty start marker", true, "a]]b]]", "", "]]", "");
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
        columns<QString, QString, QString>("source", "page", "expected");
        QTest::newRow("Baidu: nothing after a second section start")
            << u"baidu-week"_s
            << uR"(最近七日<a href="1" target="_blank">一</a>最近七日<a href="2" target="_blank">二</a>)"
               u"</table>"_s
            << u"一\r\n"_s;
        // Cells before the section, linking elsewhere, outside a cell or empty
        // give nothing.
        QTest::newRow("Sogou: only cells linking to the web search")
            << u"sogou-today"_s
            << uR"(<td><a href="http://s/web">head</a></td><h2>今日搜索</h2><table>)"
               uR"(<td><a href="http://s/web?q=1">Word One</a></td>)"
               uR"(<td><a href="http://www.sogou.com/web?q=2">real host</a></td>)"
               uR"(<a href="http://s/web">z</a><td><a href="http://s/web"></a></td>)"
               uR"(<td><a href="http://s/web?q=3">热词</a></td></table></html>)"_s
            << u"word one\r\n热词\r\n"_s;
    }
    void wordList()
    {
        QFETCH(QString, source);
        QFETCH(QString, page);
        config::Settings settings;
        settings.hosts.sogouSearch = u"s"_s;
        QTEST(layout::classicWordList(page, *layout::sourceByName(source), settings), "expected");
    }

    void decode_data()
    {
        columns<QByteArray, QByteArray, QString>("contentType", "body", "expected");
        const QString words = u"最近七日 热词€"_s;
        const auto row = [](const char *tag, const QByteArray &contentType, const QByteArray &body,
                            const QString &expected) {
            QTest::newRow(tag) << contentType << body << expected;
        };
        row("nothing declared: GB18030", {}, gbk(words), words);
        row("UTF-8 in the header, quoted", "text/html;Charset = \"utf-8\"", words.toUtf8(), words);
        row("the header wins over a meta", "text/html; charset=utf-8",
            "<meta charset=gbk>\xE2\x82\xAC", u"<meta charset=gbk>€"_s);
        row("UTF-8 in a meta http-equiv", "text/html",
            "<META content='a; charset=UTF-8'>\xE2\x82\xAC",
            u"<META content='a; charset=UTF-8'>€"_s);
        row("a meta beyond the first 4 KB", {},
            QByteArray(5000, ' ') + "<meta charset=utf-8>\xA2\xE3",
            QString(5000, u' ') + u"<meta charset=utf-8>€"_s);
        row("UTF-8 byte-order mark", {}, "\xEF\xBB\xBF"_ba + words.toUtf8(), words);
        row("invalid UTF-8 costs one character", "text/html; charset=utf-8", "<a>\xFF</a>",
            u"<a>\uFFFD</a>"_s);
    }
    void decode()
    {
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QTEST(decodePage(body, contentType).text, "expected");
    }

    void dumpFile_data()
    {
        // before: null for no such file
        // error: empty when written
        columns<QString, QByteArray, QString>("name", "before", "error");
        QTest::newRow("a new file") << u"1.txt"_s << QByteArray() << QString();
        QTest::newRow("a longer file replaced")
            << u"1.txt"_s << "a long first list\r\n"_ba << QString();
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
        QVERIFY(before.isNull() || writeFile(settings.dumpFile, before));
        const Result<> written = writeDumpFile(u"减肥\r\n"_s, settings);
        QVERIFY2(written.error().contains(error), qPrintable(written.error()));
        QCOMPARE(written.ok(), error.isEmpty());
        if (written)
            QCOMPARE(readFile(settings.dumpFile), gbk(u"减肥\r\n\r\n"_s));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(),
                 written || !before.isNull() ? 1 : 0);
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
