#include "sandbox/sandbox_options.h"

#include <QTest>

using namespace vantorix::sandbox;
using namespace Qt::StringLiterals;

class TestSandboxOptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
};

void TestSandboxOptions::accepted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("port");
    QTest::addColumn<qulonglong>("seed");
    QTest::addColumn<int>("fanout");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("latency");
    QTest::addColumn<double>("failRate");
    QTest::newRow("defaults") << QStringList{} << 0 << 1ULL << 7 << 3 << 0 << 0.0;
    QTest::newRow("separate values")
        << QStringList{u"--port"_s, u"8080"_s, u"--seed"_s, u"99"_s, u"--fanout"_s, u"12"_s} << 8080
        << 99ULL << 12 << 3 << 0 << 0.0;
    QTest::newRow("joined values")
        << QStringList{u"--depth=5"_s, u"--latency=250"_s, u"--fail-rate=0.25"_s} << 0 << 1ULL << 7
        << 5 << 250 << 0.25;
    QTest::newRow("bounds") << QStringList{u"--fanout=30"_s, u"--depth=0"_s, u"--fail-rate=1"_s}
                            << 0 << 1ULL << 30 << 0 << 0 << 1.0;
}

void TestSandboxOptions::accepted()
{
    QFETCH(QStringList, arguments);
    SandboxCommand command;
    QCOMPARE(parseSandboxArguments(arguments, command), QString());
    QTEST(int(command.options.port), "port");
    QTEST(qulonglong(command.options.seed), "seed");
    QTEST(command.options.fanout, "fanout");
    QTEST(command.options.depth, "depth");
    QTEST(command.options.latencyMs, "latency");
    QTEST(command.options.failRate, "failRate");
}

void TestSandboxOptions::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("unknown") << QStringList{u"--ports=1"_s} << u"--ports"_s;
    QTest::newRow("missing value") << QStringList{u"--seed"_s} << u"needs a value"_s;
    QTest::newRow("port too big") << QStringList{u"--port=70000"_s} << u"--port"_s;
    QTest::newRow("fanout zero") << QStringList{u"--fanout=0"_s} << u"--fanout"_s;
    QTest::newRow("depth too deep") << QStringList{u"--depth=6"_s} << u"--depth"_s;
    QTest::newRow("negative latency") << QStringList{u"--latency=-5"_s} << u"--latency"_s;
    QTest::newRow("rate above one") << QStringList{u"--fail-rate=1.5"_s} << u"--fail-rate"_s;
    QTest::newRow("rate not a number") << QStringList{u"--fail-rate=nan"_s} << u"--fail-rate"_s;
    QTest::newRow("words for a number") << QStringList{u"--seed=abc"_s} << u"'abc'"_s;
}

void TestSandboxOptions::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, mentions);
    SandboxCommand command;
    const QString error = parseSandboxArguments(arguments, command);
    QVERIFY2(error.contains(mentions), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestSandboxOptions)
#include "tst_sandbox_options.moc"
