#include "cli_process.h"
#include "data_table.h"
#include "environment.h"
#include "forwarding_proxy.h"
#include "hosts.h"
#include "sandbox/http_listener.h"
#include "sandbox/sandbox_server.h"

#include <QElapsedTimer>
#include <QHash>
#include <QNetworkDatagram>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>
#include <memory>
#include <numeric>

using namespace vantorix::sandbox;
using namespace Qt::StringLiterals;

namespace {

// A live sandbox small enough to mine whole in seconds, with what it saw.
struct ThrottledWeb
{
    explicit ThrottledWeb(double blockRate, double rateLimit = 0)
        : server(SandboxOptions{.seed = 1,
                                .fanout = 2,
                                .depth = 2,
                                .live = true,
                                .blockRate = blockRate,
                                .rateLimit = rateLimit,
                                .blockCooldownSeconds = 1})
    {
        QObject::connect(&server, &SandboxServer::requestReceived, &server,
                         [this](const RequestRecord &request) {
                             if (request.target.startsWith("/s?") ||
                                 request.target.startsWith("/web?")) {
                                 ++queries[request.client];
                                 searches << request;
                             }
                         });
        QObject::connect(&server, &SandboxServer::blockSent, &server,
                         [this](const RequestRecord &request) { ++blocks[request.client]; });
    }

    SandboxServer server;
    QHash<QString, int> queries; // search requests by client address
    QHash<QString, int> blocks;
    QList<RequestRecord> searches;
};

int total(const QHash<QString, int> &counts)
{
    return std::accumulate(counts.cbegin(), counts.cend(), 0);
}

CliResult mine(const QString &host, const QStringList &args, const QString &layout = u"live"_s,
               const QString &sogouHost = {})
{
    return runCli(QStringList{u"--layout"_s, layout, u"--search-host"_s, host,
                              u"--sogou-search-host"_s, sogouHost.isEmpty() ? host : sogouHost,
                              u"--so360-search-host"_s, host, u"--publisher-host"_s, host,
                              u"mine"_s, u"减肥"_s, u"--delay"_s, u"0"_s} +
                  args);
}

// The engine a row's arguments name; "all" for several.
QString engineOf(const QString &args)
{
    const QRegularExpressionMatch named = QRegularExpression(u"--engine (\\w+)"_s).match(args);
    return named.hasMatch() ? named.captured(1) : u"baidu"_s;
}

} // namespace

class CliBlocksTest : public QObject
{
    Q_OBJECT
private:
    QHash<QString, QByteArray> m_unblocked; // by engine
    QTemporaryDir m_dir;

private Q_SLOTS:
    // The same graph in today's markup gives the keywords of the classic one,
    // in the same order, asked for as a browser asks: its headers, and the
    // cookie of the first answer on every later request.
    void initTestCase()
    {
        clearVantorixEnvironment();
        ThrottledWeb web(0);
        QVERIFY(web.server.listen());
        for (const QString &engine : {u"baidu"_s, u"sogou"_s, u"so360"_s, u"all"_s}) {
            web.searches.clear();
            const CliResult run =
                mine(web.server.host(), {u"--quiet"_s, u"--engine"_s, engine, u"--format"_s,
                                         engine == u"all"_s ? u"tsv"_s : u"lines"_s});
            QVERIFY2(run.exitCode == 0, run.err.constData());
            QVERIFY(run.out.count('\n') > 30);
            m_unblocked[engine] = run.out;
            // Each engine keeps its own cookies.
            QSet<QByteArray> asked;
            for (const RequestRecord &search : std::as_const(web.searches)) {
                QVERIFY(search.userAgent.startsWith("Mozilla/5.0 (Windows NT 10.0"));
                QCOMPARE(search.acceptLanguage, "zh-CN,zh;q=0.9"_ba);
                const QByteArray path = search.target.left(search.target.indexOf('=') + 1);
                QCOMPARE(search.cookie.startsWith("BAIDUID="), asked.contains(path));
                asked.insert(path);
            }
            QCOMPARE(asked.size(), engine == u"all"_s ? 3 : 1);
        }
        // Several engines: a keyword under the engine asked first only,
        // in the same order however many queries are in flight.
        const QByteArray &all = m_unblocked[u"all"_s];
        for (const char *engine : {"\tbaidu\n", "\tsogou\n", "\tso360\n"})
            QVERIFY(all.contains(engine));
        QHash<QByteArray, QByteArray> engineOfKeyword;
        for (const QByteArray &record : all.split('\n')) {
            const QList<QByteArray> fields = record.split('\t');
            QCOMPARE(engineOfKeyword.value(fields.first(), fields.last()), fields.last());
            engineOfKeyword.insert(fields.first(), fields.last());
        }
        QCOMPARE(mine(web.server.host(), {u"--quiet"_s, u"--engine"_s, u"all"_s, u"--format"_s,
                                          u"tsv"_s, u"--concurrency"_s, u"6"_s})
                     .out,
                 all);
        SandboxServer classic(SandboxOptions{.seed = 1, .fanout = 2, .depth = 2});
        QVERIFY(classic.listen());
        QCOMPARE(mine(classic.host(), {u"--quiet"_s}, u"classic"_s).out, m_unblocked[u"baidu"_s]);
    }

    void throttledRuns_data()
    {
        // proxies: "socks5", "http" or "dead" (nothing listening)
        // err: parts of standard error, '|' between them
        columns<double, double, QString, QString, int, QString>("blockRate", "rateLimit", "proxies",
                                                                "args", "exitCode", "err");
        QTest::newRow("both block forms, retried until they pass")
            << 0.2 << 0.0 << QString() << u"--retries 5"_s << 0
            << u"(captcha redirect to |(verification page)|0 stayed blocked"_s;
        QTest::newRow("over the rate limit, blocked for the cooldown")
            << 0.0 << 5.0 << QString() << u"--retries 8"_s << 0 << u"blocked and retried"_s;
        QTest::newRow("proxies share the queries, a block moves on to the next")
            << 0.2 << 0.0 << u"socks5 http socks5"_s << u"--retries 5"_s << 0
            << u"through proxy 2|  proxy 3 socks5://"_s;
        QTest::newRow("the only proxy dead: its failure names it")
            << 0.0 << 0.0 << u"dead"_s << u"--retries 0"_s << 1
            << u"seed page: |through proxy 1 (socks5://127.0.0.1:1)"_s;
        QTest::newRow("every proxy resting past the time-out: exit 3, each named")
            << 0.0 << 0.0 << u"dead"_s << u"--retries 5 --timeout 1"_s << 3
            << u"every proxy failed|socks5://127.0.0.1:1 (Connection to proxy refused"_s;
        QTest::newRow("a dead proxy rests, the others carry the run")
            << 0.0 << 0.0 << u"socks5 dead http"_s << u"--retries 5"_s << 0
            << u"failures, rested"_s;
        QTest::newRow("sogou: antispider redirects retried")
            << 0.2 << 0.0 << QString() << u"--retries 5 --engine sogou"_s << 0
            << u"layout: sogou|(captcha redirect to 127.0.0.1/antispider/)"_s;
        QTest::newRow("so360: verification pages retried")
            << 0.2 << 0.0 << QString() << u"--retries 5 --engine so360"_s << 0
            << u"(verification page)"_s;
        QTest::newRow("queries that stay blocked: exit 3")
            << 0.2 << 0.0 << QString() << u"--retries 0"_s << 3 << u"queries stayed blocked"_s;
        QTest::newRow("the seed stays blocked: exit 3")
            << 1.0 << 0.0 << QString() << u"--retries 1"_s << 3
            << u"the seed query stayed blocked"_s;
    }
    void throttledRuns()
    {
        QFETCH(double, blockRate);
        QFETCH(double, rateLimit);
        QFETCH(QString, proxies);
        QFETCH(QString, args);
        QFETCH(int, exitCode);
        QFETCH(QString, err);

        ThrottledWeb web(blockRate, rateLimit);
        QVERIFY(web.server.listen());
        std::vector<std::unique_ptr<ForwardingProxy>> forwarders;
        QStringList lines;
        for (const QString &kind : proxies.split(u' ', Qt::SkipEmptyParts)) {
            // Each proxy leaves from an address of its own: 127.0.0.2, 127.0.0.3, ...
            forwarders.push_back(std::make_unique<ForwardingProxy>(
                QHostAddress(u"127.0.0.%1"_s.arg(forwarders.size() + 2))));
            QVERIFY(forwarders.back()->listen());
            lines << (kind == u"dead"_s ? u"socks5://127.0.0.1:1"_s : forwarders.back()->url(kind));
        }
        QStringList extra = args.split(u' ');
        if (!lines.isEmpty()) {
            const QString file = m_dir.filePath(u"proxies.txt"_s);
            QFile list(file);
            QVERIFY(list.open(QIODevice::WriteOnly));
            list.write(QString(u"# the rotation\n"_s + lines.join(u"\n"_s) + u"\n"_s).toUtf8());
            list.close();
            extra << u"--proxies"_s << file;
        }

        const CliResult run = mine(web.server.host(), extra);
        QVERIFY2(run.exitCode == exitCode, run.err.constData());
        const QString stderrText = QString::fromUtf8(run.err);
        for (const QString &part : err.split(u'|'))
            QVERIFY2(stderrText.contains(part), qPrintable(part + u" in:\n"_s + stderrText));
        if (exitCode == 0)
            QCOMPARE(run.out, m_unblocked[engineOf(args)]);

        // The summary counts what the sandbox saw: every request, every block.
        const QRegularExpressionMatch totals =
            QRegularExpression(u"summary: \\d+ quer\\w+ \\((\\d+) requests?\\): (\\d+) blocked and "
                               "retried, (\\d+) stayed blocked"_s)
                .match(stderrText);
        QVERIFY2(totals.hasMatch(), run.err.constData());
        // A dead proxy's requests never arrive.
        const QRegularExpressionMatch dead =
            QRegularExpression(u"socks5://127.0.0.1:1: (\\d+) request"_s).match(stderrText);
        QCOMPARE(totals.captured(1).toInt(), total(web.queries) + dead.captured(1).toInt());
        QCOMPARE(totals.captured(2).toInt() + totals.captured(3).toInt(), total(web.blocks));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].endsWith(u":1"_s))
                continue; // the dead one: its requests never arrive
            const QString client = u"127.0.0.%1"_s.arg(i + 2);
            const QString line = u"  proxy %1 %2: %3 request"_s.arg(i + 1).arg(
                lines[i], QString::number(web.queries.value(client)));
            QVERIFY2(stderrText.contains(line), qPrintable(line));
            QVERIFY2(web.queries.value(client) > 0, qPrintable(client));
            QVERIFY(stderrText.contains(u"%1 block"_s.arg(web.blocks.value(client))));
        }
    }

    // Sogou blocks while Baidu and 360 do not: Sogou's back-offs leave the
    // others querying, and the run finds what an unblocked one finds.
    void blockOnOneEngineHoldsOnlyIt()
    {
        ThrottledWeb clean(0);
        ThrottledWeb sogou(0.15);
        QVERIFY(clean.server.listen() && sogou.server.listen());
        QElapsedTimer clock;
        QList<qint64> others;
        QList<std::pair<qint64, bool>> sogouRequests; // (time, blocked)
        connect(&clean.server, &SandboxServer::requestReceived, this,
                [&] { others << clock.elapsed(); });
        connect(&sogou.server, &SandboxServer::requestReceived, this,
                [&](const RequestRecord &request) {
                    if (request.target.startsWith("/web?"))
                        sogouRequests.append({clock.elapsed(), false});
                });
        connect(&sogou.server, &SandboxServer::blockSent, this,
                [&] { sogouRequests.last().second = true; });
        clock.start();
        const CliResult run = mine(clean.server.host(),
                                   {u"--engine"_s, u"all"_s, u"--format"_s, u"tsv"_s,
                                    u"--retries"_s, u"8"_s, u"--limit"_s, u"150"_s},
                                   u"live"_s, sogou.server.host());
        QVERIFY2(run.exitCode == 0, run.err.constData());
        for (const char *part :
             {"layout: live, sogou, so360\n", "blocked on sogou (", "\n  so360: "})
            QVERIFY2(run.err.contains(part), run.err.constData());
        QVERIFY(run.out.count('\n') >= 150);
        QVERIFY(m_unblocked[u"all"_s].startsWith(run.out));
        int longWaits = 0;
        int othersDuring = 0;
        for (qsizetype i = 0; i + 1 < sogouRequests.size(); ++i) {
            const auto [blockedAt, blocked] = sogouRequests[i];
            const qint64 retriedAt = sogouRequests[i + 1].first;
            if (!blocked || retriedAt - blockedAt < 400)
                continue;
            ++longWaits;
            othersDuring += int(std::count_if(others.cbegin(), others.cend(), [&](qint64 at) {
                return at > blockedAt && at < retriedAt;
            }));
        }
        QVERIFY2(longWaits > 0, run.err.constData());
        QVERIFY2(othersDuring >= longWaits,
                 qPrintable(u"%1 in %2"_s.arg(othersDuring).arg(longWaits)));
    }

    // An engine that stopped answering ends the run as a lone engine would,
    // though the others answer.
    void deadEngineEndsTheRun()
    {
        ThrottledWeb web(0);
        QVERIFY(web.server.listen());
        const CliResult run = mine(web.server.host(), {u"--engine"_s, u"all"_s, u"--max-failures"_s,
                                                       u"3"_s, u"--retries"_s, u"0"_s,
                                                       u"--so360-search-host"_s, u"127.0.0.1:1"_s});
        QCOMPARE(run.exitCode, 3);
        QVERIFY2(run.err.contains("too many failed queries in a row (--max-failures 3)"),
                 run.err.constData());
    }

    // A redirect to a captcha host, in any spelling, is a block: proven where no
    // route leaves the machine and the resolver records every lookup.
    void captchaHostsNeverAskedFor()
    {
#ifndef Q_OS_LINUX
        QSKIP("needs Linux network namespaces");
#else
        QProcess inside;
        inside.setProcessChannelMode(QProcess::MergedChannels);
        inside.start(u"unshare"_s,
                     {u"--map-root-user"_s, u"--net"_s, u"--mount"_s, u"sh"_s, u"-c"_s,
                      u"echo nameserver 127.0.0.1 >\"$0\" && ip link set lo up && "
                      "mount --bind \"$0\" /etc/resolv.conf || exit 99; "
                      "exec env IN_NETNS=1 \"$1\" captchaRedirectsInNamespace"_s,
                      m_dir.filePath(u"resolv.conf"_s), QCoreApplication::applicationFilePath()});
        QVERIFY(inside.waitForFinished(300000));
        const QByteArray output = inside.readAll();
        if (inside.error() == QProcess::FailedToStart || inside.exitCode() == 99 ||
            output.startsWith("unshare: "))
            QSKIP("no network namespace here (unshare, ip or mount not permitted)");
        QVERIFY2(inside.exitCode() == 0 && !output.contains("SKIP"), output.constData());
#endif
    }

    void captchaRedirectsInNamespace_data()
    {
        // The spellings themselves are the layout test's.
        QTest::addColumn<QByteArray>("location");
        QTest::newRow("upper case, https, a port") << "https://SECCAPTCHA.Baidu.com:8443/x"_ba;
        QTest::newRow("a subdomain, trailing dot") << "//a.seccaptcha.baidu.com./"_ba;
    }

    void captchaRedirectsInNamespace()
    {
        if (qEnvironmentVariableIsEmpty("IN_NETNS"))
            QSKIP("run by captchaHostsNeverAskedFor inside a network namespace");
        QFETCH(QByteArray, location);
        QUdpSocket dns; // records every lookup and leaves it unanswered
        QVERIFY(dns.bind(QHostAddress::LocalHost, 53));
        QStringList lookups;
        connect(&dns, &QUdpSocket::readyRead, &dns, [&] {
            while (dns.hasPendingDatagrams())
                lookups << QString::fromLatin1(dns.receiveDatagram().data().toHex());
        });
        HttpListener web([&](const HttpRequest &request, HttpResponder &&out) {
            if (request.target.startsWith("/s?"))
                return out.write(302, {{"Location", location}});
            out.write(404, {});
        });
        const quint16 port = web.listen();
        QVERIFY(port > 0);
        const CliResult run = mine(loopbackHost(port), {u"--retries"_s, u"0"_s, u"--quiet"_s});
        QVERIFY2(run.exitCode == 3 &&
                     run.err.contains("seed query stayed blocked (captcha redirect"),
                 run.err.constData());
        QVERIFY2(lookups.isEmpty(), qPrintable(lookups.join(u' ')));
    }
};

QTEST_GUILESS_MAIN(CliBlocksTest)
#include "tst_cli_blocks.moc"
