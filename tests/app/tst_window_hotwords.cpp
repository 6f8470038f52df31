#include "hotwords/sources.h"
#include "list/keyword_list.h"
#include "sandbox/hot_lists.h"
#include "sandbox/sandbox_server.h"
#include "window_fixture.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

using namespace vantorix;
using namespace Qt::StringLiterals;

// "获取" against the sandbox web: busy while the page is on its way, the words
// appended by paste-back and left in the dump file, failures silent.
class WindowHotwordsTest : public QObject
{
    Q_OBJECT
private:
    WindowFixture f;
    std::unique_ptr<sandbox::SandboxServer> web;
    QTemporaryDir dir;

    // The sandbox's words for a source, as the list receives them.
    QString words(const hotwords::HotwordSource &source) const
    {
        const auto list = sandbox::hotListForPath(QString::fromLatin1(source.path));
        return list::joinList(sandbox::hotListWords(*list, web->options().seed)).toLower();
    }
    bool open(int latencyMs, bool hostDown)
    {
        sandbox::SandboxOptions options;
        options.latencyMs = latencyMs;
        web = std::make_unique<sandbox::SandboxServer>(options);
        if (!web->listen())
            return false;
        f.settings.hosts.setAll(web->host());
        if (hostDown)
            f.settings.hosts.hotlist = WindowFixture::closedHost();
        f.settings.dumpFile = dir.filePath(u"1.txt"_s);
        QFile::remove(f.settings.dumpFile);
        return f.open();
    }
    bool fetch()
    {
        QTest::mouseClick(f.c().Command10, Qt::LeftButton);
        return !f.c().Command10->isEnabled() && f.c().Command10->text() == u"正在获取.."_s &&
               QTest::qWaitFor([this] { return f.c().Command10->isEnabled(); }, 60000) &&
               f.c().Command10->text() == u"获取"_s;
    }

private Q_SLOTS:
    void click_data()
    {
        QTest::addColumn<int>("option"); // -1: none checked
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("hostDown");
        QTest::newRow("as opened, twice, after an unfinished line") << 0 << u"半行"_s << 2 << false;
        QTest::newRow("Sogou week") << 3 << u"a\r\n"_s << 1 << false;
        QTest::newRow("no option checked") << -1 << u"kept"_s << 1 << false;
        QTest::newRow("host down") << 0 << u"旧词\r\n"_s << 1 << true;
    }
    void click()
    {
        QFETCH(int, option);
        QFETCH(QString, list);
        QFETCH(int, clicks);
        QFETCH(bool, hostDown);
        QVERIFY(open(0, hostDown));
        for (const auto &[source, button] : f.c().hotwordOptions) {
            button->setAutoExclusive(option >= 0);
            button->setChecked(option >= 0 && button == f.c().hotwordOptions.at(option).second);
        }
        f.list()->pasteBack(list);
        for (int i = 0; i < clicks; ++i)
            QVERIFY(option < 0 || fetch());
        if (option < 0)
            QTest::mouseClick(f.c().Command10, Qt::LeftButton);
        const QString added =
            option < 0 || hostDown ? QString() : words(*f.c().hotwordOptions.at(option).first);
        QVERIFY(added.isEmpty() == (option < 0 || hostDown));
        QCOMPARE(f.list()->text(), list + added.repeated(clicks));
        QCOMPARE(WindowFixture::clipboardText(), f.list()->text());
        QFile dump(f.settings.dumpFile);
        QVERIFY(dump.open(QIODevice::ReadOnly));
        QCOMPARE(dump.readAll(), QStringEncoder("GB18030").encode(added + u"\r\n"_s));
        QVERIFY(f.othersShown().isEmpty());
    }

    void listReadWhenThePageArrives()
    {
        // A list tool used while the page is on its way keeps its result.
        QVERIFY(open(400, false));
        f.list()->pasteBack(u"before\r\n"_s);
        QTest::mouseClick(f.c().Command10, Qt::LeftButton);
        f.list()->pasteBack(u"during\r\n"_s);
        QTRY_VERIFY_WITH_TIMEOUT(f.c().Command10->isEnabled(), 60000);
        QCOMPARE(f.list()->text(), u"during\r\n"_s + words(*f.c().hotwordOptions.at(0).first));
    }
};

QTEST_MAIN(WindowHotwordsTest)
#include "tst_window_hotwords.moc"
