#include "config/settings.h"

#include <QTest>

using vantorix::config::Settings;

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void validateHost_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("valid");
        QTest::newRow("name") << u"www.baidu.com"_qs << true;
        QTest::newRow("name and port") << u"127.0.0.1:8080"_qs << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("scheme") << u"http://example.com"_qs << false;
        QTest::newRow("path") << u"example.com/s"_qs << false;
        QTest::newRow("port zero") << u"example.com:0"_qs << false;
        QTest::newRow("port too big") << u"example.com:65536"_qs << false;
        QTest::newRow("port not a number") << u"example.com:http"_qs << false;
        QTest::newRow("empty port") << u"example.com:"_qs << false;
        QTest::newRow("no name") << u":80"_qs << false;
        QTest::newRow("space") << u"exa mple.com"_qs << false;
        QTest::newRow("non-ascii") << u"例子.com"_qs << false;
    }
    void validateHost()
    {
        QFETCH(QString, host);
        QFETCH(bool, valid);
        QCOMPARE(vantorix::config::validateHost(host).isEmpty(), valid);
    }

    void takeOption_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<bool>("error");
        QTest::addColumn<qsizetype>("next");
        QTest::newRow("separate value") << QStringList{u"--search-host"_qs, u"a:1"_qs, u"x"_qs}
                                        << true << false << qsizetype(2);
        QTest::newRow("joined value")
            << QStringList{u"--search-host=a:1"_qs} << true << false << qsizetype(1);
        QTest::newRow("missing value")
            << QStringList{u"--timeout"_qs} << true << true << qsizetype(1);
        QTest::newRow("bad timeout")
            << QStringList{u"--timeout"_qs, u"0"_qs} << true << true << qsizetype(2);
        QTest::newRow("bad host") << QStringList{u"--publisher-host=http://x"_qs} << true << true
                                  << qsizetype(1);
        QTest::newRow("sandbox") << QStringList{u"--sandbox"_qs} << true << false << qsizetype(1);
        QTest::newRow("not ours") << QStringList{u"--limit"_qs, u"5"_qs} << false << false
                                  << qsizetype(0);
        QTest::newRow("prefix only")
            << QStringList{u"--search-hostx=a"_qs} << false << false << qsizetype(0);
    }
    void takeOption()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, taken);
        QFETCH(bool, error);
        QFETCH(qsizetype, next);
        Settings settings;
        QString problem;
        qsizetype index = 0;
        QCOMPARE(vantorix::config::takeSettingsOption(args, index, settings, problem), taken);
        QCOMPARE(!problem.isEmpty(), error);
        QCOMPARE(index, next);
    }

    void valuesLand()
    {
        Settings settings;
        QString problem;
        const QStringList args{u"--hotlist-host"_qs, u"h:2"_qs, u"--concurrency=6"_qs,
                               u"--timeout"_qs,      u"5"_qs,   u"--proxy"_qs,
                               u"http://p:3128"_qs};
        for (qsizetype i = 0; i < args.size();)
            QVERIFY(vantorix::config::takeSettingsOption(args, i, settings, problem));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(settings.hosts.hotlist, u"h:2"_qs);
        QCOMPARE(settings.hosts.search, u"www.baidu.com"_qs);
        QCOMPARE(settings.concurrency, 6);
        QCOMPARE(settings.timeoutSeconds, 5);
        QCOMPARE(settings.proxy, u"http://p:3128"_qs);
    }

    void environment()
    {
        qputenv("VANTORIX_SOGOU_HOTLIST_HOST", "s:9");
        Settings settings;
        QVERIFY(vantorix::config::applyEnvironment(settings).isEmpty());
        QCOMPARE(settings.hosts.sogouHotlist, u"s:9"_qs);

        qputenv("VANTORIX_SEARCH_HOST", "https://bad");
        Settings other;
        const QString problem = vantorix::config::applyEnvironment(other);
        QVERIFY(problem.contains(u"VANTORIX_SEARCH_HOST"_qs));
        qunsetenv("VANTORIX_SEARCH_HOST");
        qunsetenv("VANTORIX_SOGOU_HOTLIST_HOST");
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
