#include "sandbox/sandbox_options.h"

#include <QTest>

using namespace vantorix::sandbox;
using namespace Qt::StringLiterals;

class TestSandboxOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
