#include "cli/mine/summary.h"

#include "cli/mine/output.h"

#include <QCoreApplication>

namespace vantorix::cli {

namespace {

QString rateText(double perSecond)
{
    return QString::number(perSecond, 'f', 1) + QStringLiteral(" q/s");
}

QString proxyName(int route)
{
    return QCoreApplication::translate("mine", "proxy ") + QString::number(route + 1);
}

// One line a proxy of the engine, indented by `indent`.
QStringList proxyLines(const mining::FetchScheduler &fetching, const QString &indent)
{
    QStringList lines;
    const QList<mining::RouteStats> routes = fetching.routes();
    for (qsizetype i = 0; i < routes.size(); ++i) {
        const mining::RouteStats &route = routes[i];
        if (route.name.isEmpty())
            continue;
        QString line = QStringLiteral("%1%2 %3: %4, %5, %6")
                           .arg(indent, proxyName(int(i)), route.name,
                                counted(route.requests, QT_TRANSLATE_NOOP("mine", "request"),
                                        QT_TRANSLATE_NOOP("mine", "requests")),
                                counted(route.blocks, QT_TRANSLATE_NOOP("mine", "block"),
                                        QT_TRANSLATE_NOOP("mine", "blocks")),
                                counted(route.failures, QT_TRANSLATE_NOOP("mine", "failure"),
                                        QT_TRANSLATE_NOOP("mine", "failures")));
        if (route.rests > 0)
            line += QCoreApplication::translate("mine", ", rested ") +
                    counted(route.rests, QT_TRANSLATE_NOOP("mine", "time"),
                            QT_TRANSLATE_NOOP("mine", "times"));
        if (fetching.isPaced())
            line += QCoreApplication::translate("mine", ", pace ") + rateText(route.rate);
        lines.append(line);
    }
    return lines;
}

// "baidu: 120 queries, 2 blocks, 800 keywords found first, pace 1.5 q/s"
QString engineLine(const EngineCounts &engine)
{
    int blocks = 0;
    for (const mining::RouteStats &route : engine.fetching->routes())
        blocks += route.blocks;
    QString line = QStringLiteral("  %1: %2, %3, %4")
                       .arg(engine.name,
                            counted(engine.queries, QT_TRANSLATE_NOOP("mine", "query"),
                                    QT_TRANSLATE_NOOP("mine", "queries")),
                            counted(blocks, QT_TRANSLATE_NOOP("mine", "block"),
                                    QT_TRANSLATE_NOOP("mine", "blocks")),
                            QCoreApplication::translate("mine", "%1 found first")
                                .arg(counted(engine.found, QT_TRANSLATE_NOOP("mine", "keyword"),
                                             QT_TRANSLATE_NOOP("mine", "keywords"))));
    if (engine.fetching->isPaced())
        line += QCoreApplication::translate("mine", ", pace ") + rateText(engine.fetching->rate());
    return line;
}

} // namespace

QString paceText(const QList<const mining::FetchScheduler *> &engines)
{
    double rate = 0;
    bool paced = false;
    for (const mining::FetchScheduler *fetching : engines) {
        if (fetching->isPaced()) {
            paced = true;
            rate += fetching->rate();
        }
    }
    return paced ? rateText(rate) : QString();
}

QString blockReport(const mining::FetchScheduler &fetching, const QString &keyword,
                    const QString &how, int route, qint64 retryInMs, const QString &engine)
{
    QString line =
        engine.isEmpty()
            ? QCoreApplication::translate("mine", "query %1 blocked (%2)").arg(quoted(keyword), how)
            : QCoreApplication::translate("mine", "query %1 blocked on %2 (%3)")
                  .arg(quoted(keyword), engine, how);
    if (!fetching.routes().value(route).name.isEmpty())
        line += QCoreApplication::translate("mine", " through ") + proxyName(route);
    if (retryInMs < 0)
        return line + QCoreApplication::translate("mine", "; no tries left");
    if (retryInMs == 0)
        return line + QCoreApplication::translate("mine", "; trying again at once");
    return line + QCoreApplication::translate("mine", "; trying again in %1 s")
                      .arg(double(retryInMs) / 1000, 0, 'f', 1);
}

QStringList summaryLines(const QList<EngineCounts> &engines, const MineCounts &counts)
{
    int requests = 0;
    for (const EngineCounts &engine : engines)
        for (const mining::RouteStats &route : engine.fetching->routes())
            requests += route.requests;
    QString totals =
        QCoreApplication::translate(
            "mine", "summary: %1 (%2): %3 blocked and retried, %4 stayed blocked, %5 failed; %6")
            .arg(counted(counts.queries, QT_TRANSLATE_NOOP("mine", "query"),
                         QT_TRANSLATE_NOOP("mine", "queries")),
                 counted(requests, QT_TRANSLATE_NOOP("mine", "request"),
                         QT_TRANSLATE_NOOP("mine", "requests")))
            .arg(counts.blockedAndRetried)
            .arg(counts.stayedBlocked)
            .arg(counts.failed)
            .arg(counted(counts.keywords, QT_TRANSLATE_NOOP("mine", "keyword"),
                         QT_TRANSLATE_NOOP("mine", "keywords")));
    // A run that names no engine has one, and no line of its own.
    const bool single = engines.size() == 1 && engines.front().name.isEmpty();
    if (single && engines.front().fetching->isPaced())
        totals += QCoreApplication::translate("mine", "; pace %1")
                      .arg(rateText(engines.front().fetching->rate()));
    // A shorter run gives a rate of its timer's resolution, not its own.
    if (counts.elapsedMs >= 1000 && counts.queriesHere > 0)
        totals += QCoreApplication::translate("mine", "; %1 on average")
                      .arg(rateText(1000.0 * counts.queriesHere / double(counts.elapsedMs)));
    QStringList lines{totals};
    for (const EngineCounts &engine : engines) {
        if (!single)
            lines.append(engineLine(engine));
        lines +=
            proxyLines(*engine.fetching, single ? QStringLiteral("  ") : QStringLiteral("    "));
    }
    return lines;
}

} // namespace vantorix::cli
