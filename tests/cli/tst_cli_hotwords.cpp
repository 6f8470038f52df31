#include "cli_process.h"
#include "data_table.h"
#include "environment.h"
#include "gbk.h"
#include "hosts.h"
#include "layout/classic_hotlists.h"
#include "list/keyword_list.h"
#include "sandbox/hot_lists.h"
#include "sandbox/http_listener.h"
#include "sandbox/sandbox_options.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vantorix;
using namespace Qt::StringLiterals;

namespace {

// The embedded sandbox's words for a source, in their own case.
QStringList sandboxWords(const QString &source)
{
    const QString path =
        layout::classicHotlist(*layout::sourceByName(source), config::Settings{})->url.path();
    return sandbox::hotListWords(*sandbox::hotListForPath(path), sandbox::SandboxOptions{}.seed);
}

// The words as printed: lower-cased by the section cut, one a line.
QByteArray lines(const QStringList &words)
{
    return (words.join(u'\n') + u'\n').toLower().toUtf8();
}

} // namespace

// `hotwords` end to end: every source from the embedded sandbox, and what the
// command says when a page or the dump file fails it.
class CliHotwordsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        clearVantorixEnvironment();
        QVERIFY(m_site.listen() != 0);
    }

    void runs_data()
    {
        // Arguments separated by '|': SITE is the test's site, DUMP a fresh
        // dump file, DIR the test's folder.
        // err: standard error on success, a part of it on failure
        // dump: none when no file is written
        columns<QString, int, QByteArray, QByteArray, QByteArray>("args", "exitCode", "out", "err",
                                                                  "dump");
        const QByteArray classic = "layout: classic\n";
        for (const layout::HotwordSource &source : layout::hotwordSources()) {
            const QStringList words = sandboxWords(source.name);
            QVERIFY(words.size() >= 20 && words.join(QString()) != words.join(QString()).toLower());
            QTest::newRow(qPrintable(source.name))
                << u"--sandbox|hotwords|"_s + source.name + u"|--dump-file|DUMP"_s << 0
                << lines(words) << classic << gbk(list::joinList(words).toLower() + u"\r\n"_s);
        }
        // Today's two lists, from the same vocabulary; Sogou's JSON comes out
        // of rank order.
        for (const QString &source : {u"baidu-today"_s, u"sogou-today"_s})
            QTest::addRow("live %s", qPrintable(source))
                << u"--sandbox|--layout=live|hotwords|"_s + source + u"|--dump-file|DUMP"_s << 0
                << lines(sandboxWords(source)) << "layout: live\n"_ba
                << gbk(list::joinList(sandboxWords(source)).toLower() + u"\r\n"_s);
        QTest::newRow("--raw: the exact word list, --quiet")
            << u"--raw|--sandbox|hotwords|sogou-week|--quiet"_s << 0
            << list::joinList(sandboxWords(u"sogou-week"_s)).toLower().toUtf8() << QByteArray()
            << QByteArray();
        QTest::newRow("no ranking table: no words, an empty line in the dump")
            << u"--hotlist-host|SITE|hotwords|baidu-today|--dump-file=DUMP"_s << 0 << QByteArray()
            << classic << "\r\n"_ba;
        QTest::newRow("dump file in a missing folder: words printed, error reported")
            << u"--sandbox|hotwords|baidu-new|--dump-file|DIR/none/1.txt"_s << 1
            << lines(sandboxWords(u"baidu-new"_s)) << "no folder"_ba << QByteArray();
        QTest::newRow("unknown source") << u"hotwords|baidu-month|--dump-file|DUMP"_s << 2
                                        << QByteArray() << "baidu-lastmonth"_ba << QByteArray();
        QTest::newRow("server error")
            << u"--hotlist-host|SITE|hotwords|baidu-week|--dump-file|DUMP"_s << 1 << QByteArray()
            << "500"_ba << QByteArray();
        QTest::newRow("live: no weekly list today")
            << u"--sandbox|--layout=live|hotwords|baidu-week|--dump-file|DUMP"_s << 1
            << QByteArray() << "--layout classic"_ba << QByteArray();
    }
    void runs()
    {
        QFETCH(QString, args);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        QFETCH(QByteArray, dump);
        const QString dumpPath =
            m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".txt"_s);
        args.replace(u"DUMP"_s, dumpPath).replace(u"DIR"_s, m_dir.path());
        args.replace(u"SITE"_s, loopbackHost(m_site.port()));

        const CliResult run = runCli(args.split(u'|')); // its wait keeps serving the test site
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, out);
        QVERIFY2(exitCode == 0 ? run.err == err : run.err.contains(err), run.err.constData());
        QCOMPARE(readFile(dumpPath), dump);
    }

private:
    // A hot-list site of our own: a page without its ranking table, a broken one.
    sandbox::HttpListener m_site{
        [](const sandbox::HttpRequest &request, sandbox::HttpResponder &&out) {
            const bool broken = request.target == "/buzz/weekhotspot.html";
            out.write(broken ? 500 : 200, {{"Content-Type", "text/html"}},
                      broken ? "down"_ba : gbk(u"<p>维护中</p>"_s));
        }};
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(CliHotwordsTest)
#include "tst_cli_hotwords.moc"
