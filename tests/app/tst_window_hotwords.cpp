#include "hotwords/sources.h"
#include "list/keyword_list.h"
#include "sandbox/hot_lists.h"
#include "sandbox/sandbox_server.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QStringEncoder>
#include <QTcpServer>
#include <QTemporaryDir>

using namespace vantorix;
using namespace Qt::StringLiterals;

class WindowHotwordsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        f.window.reset();
        m_sandbox.reset();
    }
    void click_data();
    void click();
    void listReadOnlyWhenThePageArrives();

private:
    QAbstractButton *button(const QString &name) const
    {
        return f.window->findChild<QAbstractButton *>(name);
    }
    // The sandbox's words for a source, as the list receives them.
    QString words(const QString &source) const
    {
        const auto list =
            sandbox::hotListForPath(QString::fromLatin1(hotwords::sourceByName(source)->path));
        return list::joinList(sandbox::hotListWords(*list, m_sandbox->options().seed)).toLower();
    }
    bool open(int latencyMs, const QString &dumpFile, bool live = false);

    WindowFixture f;
    std::unique_ptr<sandbox::SandboxServer> m_sandbox;
    QTemporaryDir m_dir;
};

bool WindowHotwordsTest::open(int latencyMs, const QString &dumpFile, bool live)
{
    sandbox::SandboxOptions options;
    options.latencyMs = latencyMs;
    options.live = live;
    m_sandbox = std::make_unique<sandbox::SandboxServer>(options);
    f.settings = {};
    f.settings.sandbox = true;
    f.settings.dumpFile = dumpFile;
    f.settings.layout = live ? config::LayoutChoice::Live : config::LayoutChoice::Auto;
    QFile::remove(dumpFile);
    if (!m_sandbox->listen())
        return false;
    f.settings.hosts.setAll(m_sandbox->host());
    return f.open();
}

void WindowHotwordsTest::click_data()
{
    QTest::addColumn<QString>("option"); // empty: as the window opens; "none": no option checked
    QTest::addColumn<QString>("source"); // empty: no words expected
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("hostDown");
    QTest::addColumn<bool>("live");

    QTest::newRow("as opened: Baidu today into an empty list")
        << QString() << u"baidu-today"_s << QString() << 1 << false << false;
    QTest::newRow("Baidu week after a full line")
        << u"Option4"_s << u"baidu-week"_s << u"旧词\r\n"_s << 1 << false << false;
    QTest::newRow("Sogou today joins an unfinished line")
        << u"Option1"_s << u"sogou-today"_s << u"半行"_s << 1 << false << false;
    QTest::newRow("Sogou week twice: the words twice")
        << u"Option2"_s << u"sogou-week"_s << u"a\r\n"_s << 2 << false << false;
    QTest::newRow("recent new words")
        << u"Option5"_s << u"baidu-new"_s << QString() << 1 << false << false;
    QTest::newRow("last month") << u"Option6"_s << u"baidu-lastmonth"_s << u"x"_s << 1 << false
                                << false;
    QTest::newRow("no option checked")
        << u"none"_s << QString() << u"kept"_s << 1 << false << false;
    QTest::newRow("host down") << QString() << QString() << u"旧词\r\n"_s << 1 << true << false;
    QTest::newRow("live: today's board page")
        << QString() << u"baidu-today"_s << u"a\r\n"_s << 1 << false << true;
    QTest::newRow("live: Sogou today from hot_ranks")
        << u"Option1"_s << u"sogou-today"_s << QString() << 1 << false << true;
    QTest::newRow("live: no weekly list, nothing appended")
        << u"Option4"_s << QString() << u"旧词\r\n"_s << 1 << false << true;
}

void WindowHotwordsTest::click()
{
    QFETCH(QString, option);
    QFETCH(QString, source);
    QFETCH(QString, list);
    QFETCH(int, clicks);
    QFETCH(bool, hostDown);
    QFETCH(bool, live);
    QVERIFY(open(0, m_dir.filePath(u"1.txt"_s), live));
    if (hostDown) {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        f.settings.hosts.hotlist = u"127.0.0.1:"_s + QString::number(probe.serverPort());
        probe.close();
        QVERIFY(f.open()); // the window takes its settings when it opens
    }
    for (const hotwords::HotwordSource &row : hotwords::hotwordSources()) {
        if (option.isEmpty())
            break;
        button(row.option)->setAutoExclusive(option != u"none"_s);
        button(row.option)->setChecked(row.option == option);
    }
    f.list()->pasteBack(list);
    WindowFixture::setClipboardText(u"something else"_s);

    QAbstractButton *fetch = f.button("Command10");
    for (int i = 0; i < clicks; ++i) {
        QTest::mouseClick(fetch, Qt::LeftButton);
        if (!source.isEmpty() || hostDown) {
            QVERIFY(!fetch->isEnabled());
            QCOMPARE(fetch->text(), u"正在获取.."_s);
        }
        QTRY_VERIFY_WITH_TIMEOUT(fetch->isEnabled(), 20000);
        QCOMPARE(fetch->text(), u"获取"_s);
    }
    const QString added = source.isEmpty() ? QString() : words(source);
    QVERIFY(source.isEmpty() || added.count(u"\r\n"_s) >= 20);
    QCOMPARE(f.list()->text(), list + added.repeated(clicks));
    QCOMPARE(WindowFixture::clipboardText(), f.list()->text());
    QFile dump(f.settings.dumpFile);
    QVERIFY(dump.open(QIODevice::ReadOnly));
    QStringEncoder gb("GB18030");
    QCOMPARE(dump.readAll(), QByteArray(gb.encode(added + u"\r\n"_s)));
}

void WindowHotwordsTest::listReadOnlyWhenThePageArrives()
{
    // A list tool used while the page is on its way keeps its result; a dump
    // file that cannot be written changes nothing and shows nothing.
    QVERIFY(open(400, m_dir.path()));
    f.list()->pasteBack(u"before\r\n"_s);
    QTest::mouseClick(f.button("Command10"), Qt::LeftButton);
    f.list()->pasteBack(u"during\r\n"_s);
    QTRY_VERIFY_WITH_TIMEOUT(f.button("Command10")->isEnabled(), 20000);
    QCOMPARE(f.list()->text(), u"during\r\n"_s + words(u"baidu-today"_s));
    for (const QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY(!widget->isVisible() || !qobject_cast<const QDialog *>(widget));
}

QTEST_MAIN(WindowHotwordsTest)
#include "tst_window_hotwords.moc"
