#include "cli_process.h"
#include "env.h"
#include "gbk.h"
#include "hosts.h"
#include "hotwords/sources.h"
#include "list/keyword_list.h"
#include "sandbox/hot_lists.h"
#include "sandbox/sandbox_options.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using namespace vantorix;
using namespace Qt::StringLiterals;

namespace {

// The embedded sandbox's words for a source, in their own case.
QStringList sandboxWords(const QString &source)
{
    const QString path = QString::fromLatin1(hotwords::sourceByName(source)->path);
    return sandbox::hotListWords(*sandbox::hotListForPath(path), sandbox::SandboxOptions{}.seed);
}

// The words as printed: lower-cased by the section cut, one a line.
QByteArray lines(const QStringList &words)
{
    return (words.join(u'\n') + u'\n').toLower().toUtf8();
}

} // namespace

class CliHotwordsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void runs_data();
    void runs();

private:
    QHttpServer m_site;
    QString m_siteHost;
    QTemporaryDir m_dir;
};

void CliHotwordsTest::initTestCase()
{
    clearVantorixEnvironment();
    // A hot-list site of our own: a page without its ranking table, a broken one.
    m_site.route(u"/buzz/top10.html"_s,
                 [] { return QHttpServerResponse("text/html", gbk(u"<p>维护中</p>"_s)); });
    m_site.route(u"/buzz/weekhotspot.html"_s, [] {
        return QHttpServerResponse("text/html", "down"_ba,
                                   QHttpServerResponse::StatusCode::InternalServerError);
    });
    const quint16 port = m_site.listen(QHostAddress::LocalHost, 0);
    QVERIFY(port != 0);
    m_siteHost = loopbackHost(port);
}

void CliHotwordsTest::runs_data()
{
    // "DUMP" stands for a fresh dump file path, "DIR" for the test's folder.
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");  // a part of standard error
    QTest::addColumn<QByteArray>("dump"); // null: no file written

    const QString dumpFlag = u"--dump-file"_s;
    for (const hotwords::HotwordSource &source : hotwords::hotwordSources()) {
        const QStringList words = sandboxWords(source.name);
        QVERIFY(words.size() >= 20 && words.join(QString()) != words.join(QString()).toLower());
        QTest::newRow(qPrintable(source.name))
            << QStringList{u"--sandbox"_s, u"hotwords"_s, source.name, dumpFlag, u"DUMP"_s} << 0
            << lines(words) << QByteArray() << gbk(list::joinList(words).toLower() + u"\r\n"_s);
    }
    const QStringList week = sandboxWords(u"sogou-week"_s);
    QTest::newRow("--raw: the exact word list")
        << QStringList{u"--raw"_s, u"--sandbox"_s, u"hotwords"_s, u"sogou-week"_s} << 0
        << list::joinList(week).toLower().toUtf8() << QByteArray() << QByteArray();
    QTest::newRow("options after the source, GBK output")
        << QStringList{u"hotwords"_s, u"sogou-week"_s, u"--sandbox"_s, u"--encoding"_s, u"gbk"_s}
        << 0 << gbk(QString::fromUtf8(lines(week))) << QByteArray() << QByteArray();
    QTest::newRow("no ranking table: no words, an empty line in the dump")
        << QStringList{u"--hotlist-host"_s, m_siteHost, u"hotwords"_s, u"baidu-today"_s,
                       u"--dump-file=DUMP"_s}
        << 0 << QByteArray() << QByteArray() << "\r\n"_ba;
    QTest::newRow("dump file in a missing folder: words printed, error reported")
        << QStringList{u"--sandbox"_s, u"hotwords"_s, u"baidu-new"_s, dumpFlag, u"DIR/none/1.txt"_s}
        << 1 << lines(sandboxWords(u"baidu-new"_s)) << "no folder"_ba << QByteArray();

    auto failure = [&](const char *name, QStringList args, int code, const QByteArray &err) {
        QTest::newRow(name) << (args << dumpFlag << u"DUMP"_s) << code << QByteArray() << err
                            << QByteArray();
    };
    failure("unknown source", {u"hotwords"_s, u"baidu-month"_s}, 2, "baidu-lastmonth");
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const QString closed = loopbackHost(probe.serverPort());
    failure("host down", {u"--hotlist-host"_s, closed, u"hotwords"_s, u"baidu-week"_s}, 1,
            "cannot fetch");
    failure("server error", {u"--hotlist-host"_s, m_siteHost, u"hotwords"_s, u"baidu-week"_s}, 1,
            "500");
}

void CliHotwordsTest::runs()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QFETCH(QByteArray, dump);
    const QString dumpPath =
        m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".txt"_s);
    for (QString &arg : args)
        arg.replace(u"DUMP"_s, dumpPath).replace(u"DIR"_s, m_dir.path());

    const CliResult run = runCli(args); // its wait keeps serving the test site
    QVERIFY(!run.crashed);
    const QByteArray &errText = run.err;
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, out);
    QVERIFY2(errText.contains(err) && errText.isEmpty() == (exitCode == 0), errText.constData());
    QFile file(dumpPath);
    QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), dump);
}

QTEST_GUILESS_MAIN(CliHotwordsTest)
#include "tst_cli_hotwords.moc"
