#include "config/settings.h"
#include "hotwords/page_fetcher.h"
#include "layout/page_layout.h"
#include "mining/mining_run.h"
#include "mining/seed_markers.h"
#include "run_recorder.h"
#include "sandbox/sandbox_server.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace vantorix;
using mining::MiningRun;
using namespace Qt::StringLiterals;

namespace {

struct Mined
{
    QString list;         // what the window's list would hold
    QStringList accepted; // "keyword/generation/parent"
    QSet<QString> keywords;
    QSet<QString> parents;
    int finalState = -1;
};

Mined mine(const sandbox::SandboxServer &server, int concurrency, int timeoutSeconds)
{
    config::Settings settings;
    settings.hosts.setAll(server.host());
    settings.sandbox = true;
    settings.timeoutSeconds = timeoutSeconds;
    settings.layout =
        server.options().live ? config::LayoutChoice::Live : config::LayoutChoice::Classic;
    hotwords::PageFetcher fetcher(settings);
    MiningRun run(&fetcher, layout::chooseLayout(settings), {concurrency, 0, 0});
    RunRecorder recorder(run);
    Mined mined;
    QObject::connect(&run, &MiningRun::keywordAccepted, &run,
                     [&mined](const QString &keyword, int, const QString &parent) {
                         mined.keywords.insert(keyword);
                         mined.parents.insert(parent);
                     });
    QSignalSpy finished(&run, &MiningRun::finished);
    run.start({QStringLiteral("减肥"), QStringLiteral("100000"), QStringLiteral("0"),
               QStringLiteral("未开启"), mining::builtinSeedMarkers()});
    if (finished.wait(120000)) {
        mined.list = recorder.list;
        mined.accepted = recorder.accepted;
        mined.finalState = recorder.finalState;
    }
    return mined;
}

} // namespace

class MiningSandboxTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void faultyPagesLoseNothingThatArrived();
    void liveRunFindsWhatTheClassicRunFinds();
};

// With a fifth of the requests failing (errors, dropped connections, answers
// that never come), the run still ends, and every related search of every
// page that did arrive is in the result.
void MiningSandboxTest::faultyPagesLoseNothingThatArrived()
{
    sandbox::SandboxOptions options;
    options.fanout = 3;
    options.depth = 2;
    sandbox::SandboxServer clean(options);
    QVERIFY(clean.listen());
    options.failRate = 0.2;
    sandbox::SandboxServer faulty(options);
    QVERIFY(faulty.listen());

    const Mined all = mine(clean, 6, 5);
    QCOMPARE(all.finalState, 0);
    const Mined some = mine(faulty, 6, 1);
    QCOMPARE(some.finalState, 0);
    QVERIFY(some.keywords.size() > 10);
    QVERIFY(all.keywords.contains(some.keywords));

    // A keyword that was the parent of something had its page arrive.
    for (const QString &parent : some.parents) {
        for (const QString &link : faulty.graph().related(parent)) {
            const QString keyword = link.toLower();
            if (!keyword.isEmpty())
                QVERIFY2(some.keywords.contains(keyword),
                         qPrintable(parent + QStringLiteral(" -> ") + keyword));
        }
    }
}

// The same keyword graph served in today's markup gives the same keywords in
// the same order, and the requests look like a browser's: its headers, and
// the cookie of the first answer on every later request.
void MiningSandboxTest::liveRunFindsWhatTheClassicRunFinds()
{
    sandbox::SandboxOptions options;
    options.fanout = 4;
    options.depth = 2;
    sandbox::SandboxServer classic(options);
    options.live = true;
    sandbox::SandboxServer live(options);
    QVERIFY(classic.listen() && live.listen());
    QList<sandbox::RequestRecord> requests;
    connect(&live, &sandbox::SandboxServer::requestReceived, this,
            [&requests](const sandbox::RequestRecord &request) { requests.append(request); });

    const Mined expected = mine(classic, 3, 10);
    const Mined got = mine(live, 1, 10);
    QVERIFY(expected.accepted.size() > 100);
    QCOMPARE(got.accepted, expected.accepted);
    QCOMPARE(got.list, expected.list);

    QVERIFY(requests.constFirst().target.endsWith("&ie=utf-8"));
    for (qsizetype i = 0; i < requests.size(); ++i) {
        QVERIFY(requests[i].userAgent.startsWith("Mozilla/5.0 (Windows NT 10.0"));
        QCOMPARE(requests[i].acceptLanguage, QByteArray("zh-CN,zh;q=0.9"));
        QCOMPARE(requests[i].cookie.startsWith("BAIDUID="), i > 0);
    }
}

QTEST_GUILESS_MAIN(MiningSandboxTest)
#include "tst_mining_sandbox.moc"
