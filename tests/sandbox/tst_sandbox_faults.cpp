#include "hotwords/urls.h"
#include "http_get.h"
#include "sandbox/fault_plan.h"
#include "sandbox/sandbox_server.h"

using namespace vantorix;
using namespace vantorix::sandbox;
using namespace Qt::StringLiterals;

namespace {

constexpr quint64 kSeed = 5;
constexpr double kRate = 0.5;
constexpr int kNoAnswerWaitMs = 400;

// What the client sees of each fault.
Fault observed(const HttpResult &result)
{
    if (!result.finished || result.error == QNetworkReply::OperationCanceledError)
        return Fault::NoAnswer;
    if (result.status == 500)
        return Fault::ServerError;
    if (result.error == QNetworkReply::RemoteHostClosedError)
        return Fault::DropConnection;
    if (result.error == QNetworkReply::NoError && result.status == 200 && !result.body.isEmpty())
        return Fault::None;
    return Fault(-1);
}

} // namespace

class TestSandboxFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rateBoundsTheShare_data();
    void rateBoundsTheShare();
    void eachFaultReachesTheClient_data();
    void eachFaultReachesTheClient();
    void retriesFollowThePlan();
};

void TestSandboxFaults::rateBoundsTheShare_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("never") << 0.0 << 0 << 0;
    QTest::newRow("a tenth") << 0.1 << 60 << 140;
    QTest::newRow("always") << 1.0 << 1000 << 1000;
}

void TestSandboxFaults::rateBoundsTheShare()
{
    QFETCH(double, rate);
    QFETCH(int, low);
    QFETCH(int, high);
    const FaultPlan plan(kSeed, rate);
    int faults = 0;
    QHash<Fault, int> kinds;
    for (int i = 0; i < 1000; ++i) {
        const Fault fault = plan.faultFor("/s?wd=k" + QByteArray::number(i), 1);
        faults += fault != Fault::None ? 1 : 0;
        ++kinds[fault];
    }
    QVERIFY2(faults >= low && faults <= high, qPrintable(QString::number(faults)));
    if (rate == 1.0)
        for (const Fault kind : {Fault::ServerError, Fault::DropConnection, Fault::NoAnswer})
            QVERIFY(kinds.value(kind) > 250);
}

void TestSandboxFaults::eachFaultReachesTheClient_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("latencyMs");
    for (const int latency : {0, 50}) {
        const QByteArray suffix = latency ? " after latency" : "";
        QTest::newRow(QByteArray("none" + suffix).constData()) << int(Fault::None) << latency;
        QTest::newRow(QByteArray("500" + suffix).constData()) << int(Fault::ServerError) << latency;
        QTest::newRow(QByteArray("dropped" + suffix).constData())
            << int(Fault::DropConnection) << latency;
        QTest::newRow(QByteArray("no answer" + suffix).constData())
            << int(Fault::NoAnswer) << latency;
    }
}

void TestSandboxFaults::eachFaultReachesTheClient()
{
    QFETCH(int, kind);
    QFETCH(int, latencyMs);
    const FaultPlan plan(kSeed, kRate);
    QByteArray path;
    for (int i = 0; path.isEmpty(); ++i) {
        const QByteArray candidate = "/s?wd=k" + QByteArray::number(i);
        if (plan.faultFor(candidate, 1) == Fault(kind))
            path = candidate;
    }
    SandboxOptions options;
    options.seed = kSeed;
    options.failRate = kRate;
    options.latencyMs = latencyMs;
    SandboxServer server(options);
    QVERIFY(server.listen());
    QNetworkAccessManager manager;
    const HttpResult result =
        httpGet(manager, hotwords::pageUrl(server.host(), path), kNoAnswerWaitMs + latencyMs);
    QCOMPARE(int(observed(result)), kind);
}

void TestSandboxFaults::retriesFollowThePlan()
{
    // Asking the same address again counts as a new attempt with its own draw.
    SandboxOptions options;
    options.seed = kSeed;
    options.failRate = kRate;
    SandboxServer server(options);
    QVERIFY(server.listen());
    const FaultPlan plan(kSeed, kRate);
    QNetworkAccessManager manager;
    QList<Fault> seen;
    QList<Fault> planned;
    for (int attempt = 1; attempt <= 8; ++attempt) {
        const QByteArray path = "/buzz/top10.html";
        planned.append(plan.faultFor(path, attempt));
        seen.append(
            observed(httpGet(manager, hotwords::pageUrl(server.host(), path), kNoAnswerWaitMs)));
    }
    QCOMPARE(seen, planned);
    QVERIFY(planned.contains(Fault::None));
    QVERIFY(planned.count(Fault::None) < planned.size());
}

QTEST_GUILESS_MAIN(TestSandboxFaults)
#include "tst_sandbox_faults.moc"
