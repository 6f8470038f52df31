#include "data_table.h"
#include "sandbox/sandbox_server.h"
#include "search_site.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <QTimer>

using namespace vantorix;
using namespace Qt::StringLiterals;
using mining::MiningRun;

// The mining panel's controls bound to a run against a test search site; what
// a run finds is the mining core's to test.
class MiningWindowTest : public QObject
{
    Q_OBJECT
private:
    WindowFixture f;
    std::unique_ptr<SearchSite> site;

    bool openOn(const QString &graph)
    {
        site = std::make_unique<SearchSite>(graph);
        f.settings.hosts.setAll(site->host());
        return f.openReady();
    }
    bool labelMatches(QLabel *label, const QString &pattern)
    {
        return QRegularExpression(pattern).match(label->text()).hasMatch();
    }

private Q_SLOTS:
    void sourceMenuChoosesWhatIsMined_data()
    {
        columns<QString, QString>("choice", "list");
        QTest::newRow("related searches at first") << u"相关搜索"_s << u"\r\na\r\n\r\n"_s;
        QTest::newRow("suggestions") << u"下拉词"_s << u"\r\nb\r\n\r\n"_s;
        QTest::newRow("both: the related block first") << u"两者"_s << u"\r\na\r\n\r\nb\r\n"_s;
    }
    void sourceMenuChoosesWhatIsMined()
    {
        QFETCH(QString, choice);
        QVERIFY(openOn(u"s:a;?s:b"_s));
        QCOMPARE(f.contextMenu(f.c().Command4, choice), u"相关搜索"_s);
        QVERIFY(f.c().Command4->toolTip().contains(choice));
        QVERIFY(f.mine(u"s"_s));
        QTEST(f.list()->text(), "list");
        QCOMPARE(f.contextMenu(f.c().Command4), choice); // for the window's life
    }

    // The engines submenu: 百度 at first, several at once, never none; a run
    // asks each of those checked.
    void engineMenuChoosesEngines()
    {
        sandbox::SandboxServer web(sandbox::SandboxOptions{.fanout = 2, .depth = 2});
        QVERIFY(web.listen());
        f.settings.hosts.setAll(web.host());
        f.settings.delayMs = 0;
        QVERIFY(f.openReady());
        // Toggles `engine` in the submenu; gives those checked before.
        const auto toggle = [this](const QString &engine) {
            const QPoint at(10, 10);
            QContextMenuEvent click(QContextMenuEvent::Mouse, at, f.c().Command4->mapToGlobal(at));
            QApplication::sendEvent(f.c().Command4, &click);
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return u"<no menu>"_s;
            QStringList checked;
            for (QAction *item : menu->actions()) {
                for (QAction *action :
                     item->text() == u"搜索引擎"_s ? item->menu()->actions() : QList<QAction *>()) {
                    if (action->isChecked())
                        checked << action->text();
                    if (action->text() == engine)
                        action->trigger();
                }
            }
            menu->close();
            return checked.join(u',');
        };
        QCOMPARE(toggle(u"搜狗"_s), u"百度"_s);
        QCOMPARE(toggle(u"360"_s), u"百度,搜狗"_s);
        QVERIFY(f.c().Command4->toolTip().contains(u"搜索引擎：百度、搜狗、360"_s));
        f.c().Text4->setText(u"100"_s);
        QVERIFY(f.mine(u"减肥"_s));
        QCOMPARE(f.run()->foundByEngine().size(), 3);
        for (const int found : f.run()->foundByEngine())
            QVERIFY(found > 0);
        QCOMPARE(toggle(u"百度"_s), u"百度,搜狗,360"_s);
        QCOMPARE(toggle(u"搜狗"_s), u"搜狗,360"_s);
        QCOMPARE(toggle(u"360"_s), u"360"_s); // the last one stays
        QCOMPARE(toggle(QString()), u"360"_s);
        QVERIFY(f.c().Command4->toolTip().contains(u"搜索引擎：360（"_s));
    }

    void runReadsThePanelAndWritesItsReadOuts()
    {
        QVERIFY(openOn(u"s:xa,x,b;xa:xd,e"_s));
        f.c().Text6->setText(u"1"_s);
        site->failKeyword(u"xd"_s);
        f.c().Check4->click();
        QVERIFY(f.c().Text5->isEnabled());
        QCOMPARE(f.c().Text5->text(), QString());
        f.c().Text5->setText(u"X"_s);
        QVERIFY(f.mine(u"s"_s));
        QCOMPARE(f.list()->text(), u"\r\nxa\r\n\r\nxd\r\n"_s);
        QCOMPARE(WindowFixture::clipboardText(), f.list()->text());
        // The run ends naming its failures, whole in the tooltip.
        QVERIFY(f.c().Label2->toolTip().startsWith(u"1 个查询失败：HTTP status 500"_s));
        QCOMPARE(f.c().Label7->text(), u"2 个"_s);
        QVERIFY(f.c().Label5->text().startsWith(u"开始时间："_s));
        QCOMPARE(f.run()->runState(), MiningRun::Idle);
        QVERIFY(f.othersShown().isEmpty());
        f.c().Check4->click();
        QCOMPARE(f.c().Text5->text(), u"未开启"_s);
        QVERIFY(!f.c().Text5->isEnabled());
    }

    void stopDuringTheSeedAppendsToTheLastLine()
    {
        QVERIFY(openOn(u"s:a,b;a:c"_s));
        f.list()->setPlainText(u"old"_s);
        WindowFixture::setClipboardText(u"untouched"_s);
        QVERIFY(f.mine(u"s"_s, [&] { QTest::mouseClick(f.c().Command5, Qt::LeftButton); }));
        QCOMPARE(f.list()->text(), u"olda\r\nb\r\n"_s);
        QCOMPARE(WindowFixture::clipboardText(), u"untouched"_s);
        QCOMPARE(f.run()->runState(), MiningRun::StopRequested);
    }

    void elapsedTimeCountsWhileRunning()
    {
        QVERIFY(openOn(u"s:a"_s));
        site->setDelay(u"s"_s, 2300);
        QCOMPARE(f.c().Label6->text(), u"已查询："_s);
        QVERIFY(f.mine(u"s"_s, [&] {
            QTRY_VERIFY_WITH_TIMEOUT(labelMatches(f.c().Label6, u"^已查询：[12] 秒$"_s), 3000);
        }));
        // The last value stays once the run is over.
        const QString last = f.c().Label6->text();
        QSignalSpy tick(f.c().Timer1, &QTimer::timeout);
        QVERIFY(tick.wait(5000));
        QCOMPARE(f.c().Label6->text(), last);
    }

    // Blocks are shown: the back-off, cut to the label, then how many stayed
    // blocked; no dialog.
    void blocksAreShownInLabel2()
    {
        sandbox::SandboxServer blocking({.live = true, .blockRate = 1});
        QVERIFY(blocking.listen());
        f.settings.hosts.setAll(blocking.host());
        f.settings.layout = config::LayoutChoice::Live;
        f.settings.retries = 1;
        QVERIFY(f.openReady());
        QVERIFY(f.mine(u"减肥瘦身的方法"_s, [&] {
            QTRY_VERIFY_WITH_TIMEOUT(
                labelMatches(f.c().Label2, u"^访问受限，[12] 秒后重试：减.*…$"_s), 10000);
        }));
        QCOMPARE(f.c().Label2->text(), u"访问受限，1 个查询仍被拦截"_s);
        QVERIFY(f.othersShown().isEmpty());
    }

    void deadHostIsShownInLabel2()
    {
        f.settings.hosts.setAll(WindowFixture::closedHost());
        QVERIFY(f.openReady());
        QVERIFY(f.mine(u"减肥"_s));
        QVERIFY(f.c().Label2->text().startsWith(u"1 个查询失败："_s));
    }
};

QTEST_MAIN(MiningWindowTest)
#include "tst_mining_window.moc"
