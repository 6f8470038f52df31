#include "config/settings.h"
#include "data_table.h"

#include <QTest>

using namespace vantorix::config;
using namespace Qt::StringLiterals;

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The one option parser, its result rendered "name=value ... | positional ...".
    void parser_data()
    {
        columns<QString, QString>("args", "result");
        QTest::newRow("both forms, anywhere") << u"a --limit 5 --raw"_s << u"limit=5 raw= | a"_s;
        QTest::newRow("last of repeated") << u"--limit=1 -limit=2 -h"_s << u"limit=2 help= |"_s;
        QTest::newRow("negative value") << u"--limit -5"_s << u"limit=-5 |"_s;
        QTest::newRow("-- ends options") << u"-- --raw -1"_s << u"| --raw -1"_s;
        QTest::newRow("negative argument") << u"-1"_s << u"put '--' before a negative number"_s;
        QTest::newRow("-- as a value") << u"--limit -- -5"_s << u"as --limit=-5"_s;
        QTest::newRow("switch with a value") << u"--raw=1"_s << u"unexpected value after '--raw'"_s;
    }
    void parser()
    {
        QFETCH(QString, args);
        const QList<OptionSpec> specs{{u"limit"_s, u"N"_s, {}}, {u"raw"_s, {}, {}}, helpOption()};
        const auto given = parseOptions(args.split(u' '), specs);
        QStringList got;
        for (const OptionSpec &spec : specs) {
            if (given && given->isSet(spec.name))
                got << spec.name + u'=' + given->value(spec.name);
        }
        got << (given ? u"|"_s : given.error()) << (given ? given->positional : QStringList());
        QFETCH(QString, result);
        QVERIFY2(got.join(u' ').endsWith(result), qPrintable(got.join(u' ')));
    }

    void values_data()
    {
        columns<QString, bool>("arg", "valid");
        for (const char *host : {"www.baidu.com", "127.0.0.1:8080", "[::1]:8080", "[::1]", "a_b-c",
                                 "http://x", "https://top.baidu.com", "HTTPS://[::1]:8443"})
            QTest::newRow(host) << u"--search-host="_s + QLatin1String(host) << true;
        for (const char *host : {"",           "x/s",        "x:0",           "x:65536", "x:",
                                 ":80",        "a..b",       "127.0.0.1:+80", "ho$t:80", "a b",
                                 "::1:80",     "[zz]:80",    "例.com",        "ftp://x", "http://",
                                 "https://x/", "http://x/s", "http:// x",     "http:x",  "-x",
                                 "x-:80",      "１２"})
            QTest::newRow(host) << u"--search-host="_s + QString::fromUtf8(host) << false;
        QTest::newRow("socks proxy") << u"--proxy=socks5://p:1080"_s << true;
        QTest::newRow("live layout") << u"--layout=live"_s << true;
        QTest::newRow("layout in capitals") << u"--layout=Live"_s << false;
    }
    void values()
    {
        QFETCH(QString, arg);
        Settings settings;
        QTEST(applySettingsFlags(settings, *parseOptions({arg}, settingsOptions())).ok(), "valid");
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
