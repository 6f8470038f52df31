#include "sandbox/sandbox_options.h"

#include <QTest>

using namespace vantorix::sandbox;
using namespace Qt::StringLiterals;

class TestSandboxOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valuesLand()
    {
        const auto command =
            parseSandboxArguments({u"--port"_s, u"8080"_s, u"--seed=99"_s, u"--fanout=30"_s,
                                   u"--depth=0"_s, u"--latency"_s, u"250"_s, u"--fail-rate=0.25"_s,
                                   u"--count"_s, u"减肥"_s, u"--fault-kinds=huge, 500,huge"_s});
        QVERIFY2(command, qPrintable(command.error()));
        const SandboxOptions &o = command->options;
        QCOMPARE(QList<qint64>({o.port, qint64(o.seed), o.fanout, o.depth, o.latencyMs}),
                 QList<qint64>({8080, 99, 30, 0, 250}));
        QCOMPARE(o.failRate, 0.25);
        QCOMPARE(command->countFrom, u"减肥"_s);
        QCOMPARE(o.faultKinds, QList<Fault>({Fault::HugePage, Fault::ServerError}));
        QCOMPARE(parseSandboxArguments({u"--fault-kinds=all"_s})->options.faultKinds.size(), 7);
    }

    void refused()
    {
        for (const char *bad :
             {"--ports=1", "--port=70000", "--fanout=0", "--depth=6", "--fail-rate=1.5",
              "--fail-rate=nan", "stray", "--=1", "--fault-kinds=500,", "--fault-kinds=slow"})
            QVERIFY2(!parseSandboxArguments({QString::fromLatin1(bad)}), bad);
    }
};

QTEST_GUILESS_MAIN(TestSandboxOptions)
#include "tst_sandbox_options.moc"
