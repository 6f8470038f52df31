#include "app/mining_binder.h"
#include "mining/mining_run.h"
#include "sandbox/sandbox_server.h"
#include "search_site.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QSignalSpy>
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

    MiningRun *run() const { return f.window->findChild<app::MiningBinder *>()->run(); }
    bool openOn(const QString &graph)
    {
        site = std::make_unique<SearchSite>(graph);
        f.settings.hosts.setAll(site->host());
        return f.openReady();
    }
    void startFrom(const QString &seed)
    {
        f.c().Text3->setText(seed);
        QTest::mouseClick(f.c().Command4, Qt::LeftButton);
    }
    // Starts a run from "s"; with `stopAtOnce` the stop button follows at once.
    bool mine(bool stopAtOnce = false)
    {
        QSignalSpy finished(run(), &MiningRun::finished);
        startFrom(u"s"_s);
        if (stopAtOnce)
            QTest::mouseClick(f.c().Command5, Qt::LeftButton);
        return finished.wait(60000);
    }

    // The start button's right-click menu: its items, and the checked one.
    QMenu *sourceMenu(QStringList &items, QString &checked)
    {
        const QPoint at(5, 5);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, f.c().Command4->mapToGlobal(at));
        QApplication::sendEvent(f.c().Command4, &click);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        for (const QAction *action : menu ? menu->actions() : QList<QAction *>()) {
            items << action->text();
            if (action->isChecked())
                checked = action->text();
        }
        return menu;
    }

private Q_SLOTS:
    void sourceMenuChoosesWhatIsMined_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("list");
        QTest::newRow("related searches at first") << u"相关搜索"_s << u"\r\na\r\n\r\n"_s;
        QTest::newRow("suggestions") << u"下拉词"_s << u"\r\nb\r\n\r\n"_s;
        QTest::newRow("both: the related block first") << u"两者"_s << u"\r\na\r\n\r\nb\r\n"_s;
    }
    void sourceMenuChoosesWhatIsMined()
    {
        QFETCH(QString, choice);
        QVERIFY(openOn(u"s:a;?s:b"_s));
        QStringList items;
        QString checked;
        QMenu *menu = sourceMenu(items, checked);
        QVERIFY(menu);
        QCOMPARE(items, (QStringList{u"相关搜索"_s, u"下拉词"_s, u"两者"_s}));
        QCOMPARE(checked, u"相关搜索"_s);
        menu->actions().at(items.indexOf(choice))->trigger();
        menu->close();
        QVERIFY(f.c().Command4->toolTip().contains(choice));
        QVERIFY(mine());
        QTEST(f.list()->text(), "list");
        // The choice stays for the window's life.
        items.clear();
        QVERIFY((menu = sourceMenu(items, checked)));
        menu->close();
        QCOMPARE(checked, choice);
    }

    void runReadsThePanelAndWritesItsReadOuts()
    {
        QVERIFY(openOn(u"s:xa,x,b;xa:xd,e"_s));
        f.c().Text6->setText(u"1"_s);
        site->failKeyword(u"xd"_s); // failures are not shown
        f.c().Check4->click();
        QVERIFY(f.c().Text5->isEnabled());
        QCOMPARE(f.c().Text5->text(), QString());
        f.c().Text5->setText(u"X"_s);
        QVERIFY(mine());
        QCOMPARE(f.list()->text(), u"\r\nxa\r\n\r\nxd\r\n"_s);
        QCOMPARE(WindowFixture::clipboardText(), f.list()->text());
        QCOMPARE(f.c().Label2->text(), QString()); // the generation's last, empty query
        QCOMPARE(f.c().Label7->text(), u"2 个"_s);
        QVERIFY(f.c().Label5->text().startsWith(u"开始时间："_s));
        QCOMPARE(run()->runState(), MiningRun::Idle);
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
        QVERIFY(mine(true));
        QCOMPARE(f.list()->text(), u"olda\r\nb\r\n"_s);
        QCOMPARE(WindowFixture::clipboardText(), u"untouched"_s);
        QCOMPARE(run()->runState(), MiningRun::StopRequested);
    }

    void elapsedTimeCountsWhileRunning()
    {
        QVERIFY(openOn(u"s:a"_s));
        site->setDelay(u"s"_s, 2300);
        QCOMPARE(f.c().Label6->text(), u"已查询："_s);
        QSignalSpy finished(run(), &MiningRun::finished);
        startFrom(u"s"_s);
        const QRegularExpression counting(u"^已查询：[12] 秒$"_s);
        QTRY_VERIFY_WITH_TIMEOUT(counting.match(f.c().Label6->text()).hasMatch(), 3000);
        QVERIFY(finished.wait(60000));
        // The last value stays once the run is over.
        const QString last = f.c().Label6->text();
        QSignalSpy tick(f.c().Timer1, &QTimer::timeout);
        QVERIFY(tick.wait(5000));
        QCOMPARE(f.c().Label6->text(), last);
    }

    // Blocks are shown, unlike failures: the back-off, then how many stayed
    // blocked; no dialog.
    void blocksAreShownInLabel2()
    {
        sandbox::SandboxServer blocking({.live = true, .blockRate = 1});
        QVERIFY(blocking.listen());
        f.settings.hosts.setAll(blocking.host());
        f.settings.layout = config::LayoutChoice::Live;
        f.settings.retries = 1;
        QVERIFY(f.openReady());
        QSignalSpy finished(run(), &MiningRun::finished);
        startFrom(u"减肥"_s);
        const QRegularExpression backingOff(u"^访问受限，[12] 秒后重试：减肥$"_s);
        QTRY_VERIFY_WITH_TIMEOUT(backingOff.match(f.c().Label2->text()).hasMatch(), 10000);
        QVERIFY(finished.wait(60000));
        QCOMPARE(f.c().Label2->text(), u"访问受限，1 个查询仍被拦截"_s);
        QVERIFY(f.othersShown().isEmpty());
    }
};

QTEST_MAIN(MiningWindowTest)
#include "tst_mining_window.moc"
