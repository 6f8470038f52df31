#include "app/mining_binder.h"
#include "mining/mining_run.h"
#include "search_site.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>

using namespace vantorix;
using namespace Qt::StringLiterals;
using mining::MiningRun;

// A mining run driven by the panel's buttons against a test search site
// (lists written compactly, "|" for CRLF).
class MiningWindowTest : public QObject
{
    Q_OBJECT
private:
    WindowFixture f;
    std::unique_ptr<SearchSite> site;

    static QString lines(QString compact) { return compact.replace(u'|', u"\r\n"_s); }
    MiningRun *run() const { return f.window->findChild<app::MiningBinder *>()->run(); }
    bool openOn(const QString &graph)
    {
        site = std::make_unique<SearchSite>(graph);
        f.settings.hosts.setAll(site->host());
        return f.openReady();
    }
    bool mine(const QString &seed)
    {
        QSignalSpy finished(run(), &MiningRun::finished);
        f.c().Text3->setText(seed);
        QTest::mouseClick(f.c().Command4, Qt::LeftButton);
        return finished.wait(60000);
    }

private Q_SLOTS:
    void runDrivenByClicks_data()
    {
        QTest::addColumn<QString>("graph");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("filter"); // empty: off; "on": on, left empty
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("label7");
        QTest::newRow("two generations") << "s:a,b;a:c,a;b:d"
                                         << ""
                                         << ""
                                         << "|a|b||c|d|"
                                         << "4 个";
        QTest::newRow("filter on, left empty: everything passes") << "s:a;a:b"
                                                                  << ""
                                                                  << "on"
                                                                  << "|a||b|"
                                                                  << "2 个";
        QTest::newRow("filter text") << "s:xa,b;xa:xd,e"
                                     << ""
                                     << "X"
                                     << "|xa||xd|"
                                     << "2 个";
        QTest::newRow("a failed query harvests nothing, silently") << "s:a,b;a:c;b:d"
                                                                   << "a"
                                                                   << ""
                                                                   << "|a|b||d|"
                                                                   << "3 个";
    }
    void runDrivenByClicks()
    {
        QFETCH(QString, graph);
        QFETCH(QString, failing);
        QFETCH(QString, filter);
        QFETCH(QString, list);
        QFETCH(QString, label7);
        QVERIFY(openOn(graph));
        site->failKeyword(failing);
        if (!filter.isEmpty()) {
            f.c().Check4->click();
            QVERIFY(f.c().Text5->isEnabled());
            QCOMPARE(f.c().Text5->text(), QString());
            f.c().Text5->setText(filter == u"on"_s ? QString() : filter);
        }
        QVERIFY(mine(u"s"_s));
        QCOMPARE(f.list()->text(), lines(list));
        QCOMPARE(WindowFixture::clipboardText(), lines(list));
        QCOMPARE(f.c().Label2->text(), QString()); // the generation's last, empty query
        QCOMPARE(f.c().Label7->text(), label7);
        QVERIFY(f.c().Label5->text().startsWith(u"开始时间："_s));
        QCOMPARE(run()->runState(), MiningRun::Idle);
        QVERIFY(f.othersShown().isEmpty());
    }

    void stopDuringTheSeedAppendsToTheLastLine()
    {
        QVERIFY(openOn(u"s:a,b;a:c"_s));
        f.list()->setPlainText(u"old"_s);
        WindowFixture::setClipboardText(u"untouched"_s);
        QSignalSpy finished(run(), &MiningRun::finished);
        f.c().Text3->setText(u"s"_s);
        f.c().Command4->click();
        f.c().Command5->click();
        QVERIFY(finished.wait(60000));
        QCOMPARE(f.list()->text(), lines(u"olda|b|"_s));
        QCOMPARE(WindowFixture::clipboardText(), u"untouched"_s);
        QCOMPARE(run()->runState(), MiningRun::StopRequested);
        f.c().Check4->click();
        f.c().Check4->click();
        QCOMPARE(f.c().Text5->text(), u"未开启"_s);
        QVERIFY(!f.c().Text5->isEnabled());
    }

    void elapsedTimeCountsWhileRunning()
    {
        QVERIFY(openOn(u"s:a"_s));
        site->setDelay(u"s"_s, 2300);
        QCOMPARE(f.c().Label6->text(), u"已查询："_s);
        QSignalSpy finished(run(), &MiningRun::finished);
        f.c().Text3->setText(u"s"_s);
        f.c().Command4->click();
        const QRegularExpression counting(u"^已查询：[12] 秒$"_s);
        QTRY_VERIFY_WITH_TIMEOUT(counting.match(f.c().Label6->text()).hasMatch(), 3000);
        QVERIFY(finished.wait(60000));
        // The last value stays once the run is over.
        const QString last = f.c().Label6->text();
        QSignalSpy tick(f.c().Timer1, &QTimer::timeout);
        QVERIFY(tick.wait(5000));
        QCOMPARE(f.c().Label6->text(), last);
    }
};

QTEST_MAIN(MiningWindowTest)
#include "tst_mining_window.moc"
