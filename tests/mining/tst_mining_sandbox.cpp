#include "config/settings.h"
#include "hotwords/page_fetcher.h"
#include "mining/mining_run.h"
#include "mining/seed_markers.h"
#include "run_recorder.h"
#include "sandbox/sandbox_server.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace vantorix;
using mining::MiningRun;

namespace {

struct Mined
{
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
    hotwords::PageFetcher fetcher(settings);
    MiningRun run(&fetcher, server.host(), {concurrency, 0, 0});
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

QTEST_GUILESS_MAIN(MiningSandboxTest)
#include "tst_mining_sandbox.moc"
