#include "app/mining_binder.h"
#include "mining/mining_run.h"
#include "search_site.h"
#include "window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace vantorix;
using mining::MiningRun;

namespace {

QString lines(QString compact)
{
    return compact.replace(QLatin1Char('|'), QStringLiteral("\r\n"));
}

} // namespace

class MiningWindowTest : public QObject
{
    Q_OBJECT
private:
    WindowFixture f;
    std::unique_ptr<SearchSite> site;

    bool openOn(SearchSite &on)
    {
        f.settings.hosts.setAll(on.host());
        f.settings.sandbox = true;
        return f.open();
    }
    app::MiningBinder *binder() const { return f.window->findChild<app::MiningBinder *>(); }
    QString label(const char *name) const { return f.control<QLabel>(name)->text(); }
    bool waitUntilReady() const
    {
        return QTest::qWaitFor([this] { return f.button("Command4")->isEnabled(); }, 10000);
    }

private Q_SLOTS:
    void cleanup()
    {
        f.window.reset();
        site.reset();
    }
    void startButtonWaitsForMarkerPage_data();
    void startButtonWaitsForMarkerPage();
    void runDrivenByClicks_data();
    void runDrivenByClicks();
    void elapsedTimeCountsWhileRunning();
    void nextPasteBackOverwritesUserEdits();
    void filterSwitch();
};

void MiningWindowTest::startButtonWaitsForMarkerPage_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("markers");

    QTest::newRow("page with blocks for two versions")
        << QByteArray("<html><body><!--[[v3.2--<b>--</b>]] [[V3.3--<P>--</P>]]--></body></html>")
        << 200 << QStringList{QStringLiteral("<p>"), QStringLiteral("</p>")};
    QTest::newRow("page without a block")
        << QByteArray("<html><body>moved</body></html>") << 200 << QStringList{};
    QTest::newRow("page that fails") << QByteArray("gone") << 500 << QStringList{};
}

void MiningWindowTest::startButtonWaitsForMarkerPage()
{
    QFETCH(QByteArray, page);
    QFETCH(int, status);
    QFETCH(QStringList, markers);

    site = std::make_unique<SearchSite>(QStringLiteral("s:a,b"));
    site->setMarkerPage(page, status);
    site->setDelay(QStringLiteral("/banben.htm"), 400);
    QVERIFY(openOn(*site));
    QAbstractButton *start = f.button("Command4");
    QCOMPARE(start->text(), QStringLiteral("稍等载入.."));
    QVERIFY(!start->isEnabled());
    QVERIFY(waitUntilReady());
    QCOMPARE(start->text(), QStringLiteral("开始挖掘"));
    QCOMPARE(binder()->seedMarkers(), markers);

    // Whatever the page gave, the seed query finds the related searches
    // (the page's own markers cut the furniture link instead).
    QSignalSpy finished(binder()->run(), &MiningRun::finished);
    f.textBox("Text3")->setText(QStringLiteral("s"));
    start->click();
    QVERIFY(finished.wait(10000));
    QCOMPARE(f.list()->text(), markers.isEmpty() ? lines(QStringLiteral("|a|b||"))
                                                 : lines(QStringLiteral("|furniture||")));
}

void MiningWindowTest::runDrivenByClicks_data()
{
    QTest::addColumn<QString>("graph");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<bool>("filterOn");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("stopAtOnce");
    QTest::addColumn<QString>("listBefore");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("label2");
    QTest::addColumn<QString>("label7");
    QTest::addColumn<int>("state");

    QTest::newRow("two generations") << "s:a,b;a:c,a;b:d"
                                     << "" << false << "" << false << "old"
                                     << "|a|b||c|d|"
                                     << "|a|b||c|d|"
                                     << ""
                                     << "4 个" << 0;
    QTest::newRow("stop during the seed fetch appends to the last line")
        << "s:a,b;a:c"
        << "" << false << "" << true << "old"
        << "olda|b|"
        << "untouched"
        << ""
        << "2 个" << 2;
    QTest::newRow("filter switched on but left empty passes everything")
        << "s:a;a:b"
        << "" << true << "" << false << ""
        << "|a||b|"
        << "|a||b|"
        << ""
        << "2 个" << 0;
    QTest::newRow("filter text typed after switching it on") << "s:xa,b;xa:xd,e"
                                                             << "" << true << "X" << false << ""
                                                             << "|xa||xd|"
                                                             << "|xa||xd|"
                                                             << ""
                                                             << "2 个" << 0;
    QTest::newRow("a failed query harvests nothing, silently") << "s:a,b;a:c;b:d"
                                                               << "a" << false << "" << false << ""
                                                               << "|a|b||d|"
                                                               << "|a|b||d|"
                                                               << ""
                                                               << "3 个" << 0;
}

void MiningWindowTest::runDrivenByClicks()
{
    QFETCH(QString, graph);
    QFETCH(QString, failing);
    QFETCH(bool, filterOn);
    QFETCH(QString, filter);
    QFETCH(bool, stopAtOnce);
    QFETCH(QString, listBefore);
    QFETCH(QString, list);
    QFETCH(QString, clipboard);
    QFETCH(QString, label2);
    QFETCH(QString, label7);
    QFETCH(int, state);

    site = std::make_unique<SearchSite>(graph);
    site->failKeyword(failing);
    QVERIFY(openOn(*site));
    QVERIFY(waitUntilReady());
    f.list()->setPlainText(listBefore);
    WindowFixture::setClipboardText(QStringLiteral("untouched"));
    f.textBox("Text3")->setText(QStringLiteral("s"));
    if (filterOn) {
        f.control<QCheckBox>("Check4")->click();
        f.textBox("Text5")->setText(filter);
    }

    QSignalSpy finished(binder()->run(), &MiningRun::finished);
    f.button("Command4")->click();
    if (stopAtOnce)
        f.button("Command5")->click();
    QVERIFY(finished.wait(10000));

    QCOMPARE(f.list()->text(), lines(list));
    QCOMPARE(WindowFixture::clipboardText(), lines(clipboard));
    QCOMPARE(label("Label2"), label2);
    QCOMPARE(label("Label7"), label7);
    QVERIFY(label("Label5").startsWith(QStringLiteral("开始时间：")));
    QVERIFY(label("Label5").size() > 6);
    QCOMPARE(binder()->run()->runState(), state);
    const QWidgetList shown = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(shown.begin(), shown.end(), [](QWidget *w) { return w->isVisible(); }),
             1);
}

void MiningWindowTest::elapsedTimeCountsWhileRunning()
{
    site = std::make_unique<SearchSite>(QStringLiteral("s:a"));
    site->setDelay(QStringLiteral("s"), 2300);
    QVERIFY(openOn(*site));
    QVERIFY(waitUntilReady());
    QCOMPARE(label("Label6"), QStringLiteral("已查询："));

    QSignalSpy finished(binder()->run(), &MiningRun::finished);
    f.textBox("Text3")->setText(QStringLiteral("s"));
    f.button("Command4")->click();
    const QRegularExpression counting(QStringLiteral("^已查询：[12] 秒$"));
    QTRY_VERIFY_WITH_TIMEOUT(counting.match(label("Label6")).hasMatch(), 3000);
    QVERIFY(finished.wait(10000));

    // The last value stays once the run is over.
    const QString last = label("Label6");
    QTest::qWait(1300);
    QCOMPARE(label("Label6"), last);
}

void MiningWindowTest::nextPasteBackOverwritesUserEdits()
{
    site = std::make_unique<SearchSite>(QStringLiteral("s:a,b;a:c;b:d"));
    site->setDelay(QStringLiteral("b"), 500);
    QVERIFY(openOn(*site));
    QVERIFY(waitUntilReady());
    QSignalSpy finished(binder()->run(), &MiningRun::finished);
    f.textBox("Text3")->setText(QStringLiteral("s"));
    f.button("Command4")->click();
    QTRY_COMPARE_WITH_TIMEOUT(f.list()->text(), lines(QStringLiteral("|a|b||c|")), 5000);
    f.list()->moveCursor(QTextCursor::End);
    QTest::keyClicks(f.list(), QStringLiteral("typed"));
    QVERIFY(finished.wait(10000));
    QCOMPARE(f.list()->text(), lines(QStringLiteral("|a|b||c|d|")));
    QCOMPARE(WindowFixture::clipboardText(), f.list()->text());
}

void MiningWindowTest::filterSwitch()
{
    site = std::make_unique<SearchSite>();
    QVERIFY(openOn(*site));
    auto *check = f.control<QCheckBox>("Check4");
    QLineEdit *filter = f.textBox("Text5");
    QVERIFY(!filter->isEnabled());
    check->click();
    QVERIFY(filter->isEnabled());
    QCOMPARE(filter->text(), QString());
    filter->setText(QStringLiteral("abc"));
    check->click();
    QVERIFY(!filter->isEnabled());
    QCOMPARE(filter->text(), QStringLiteral("未开启"));
}

QTEST_MAIN(MiningWindowTest)
#include "tst_mining_window.moc"
