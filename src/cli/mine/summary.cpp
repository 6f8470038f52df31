#include "cli/mine/summary.h"

#include "cli/mine/output.h"

namespace vantorix::cli {

namespace {

QString rateText(double perSecond)
{
    return QString::number(perSecond, 'f', 1) + QStringLiteral(" q/s");
}

QString proxyName(int route)
{
    return QStringLiteral("proxy ") + QString::number(route + 1);
}

} // namespace

QString paceText(const mining::FetchScheduler &fetching)
{
    return fetching.isPaced() ? rateText(fetching.rate()) : QString();
}

QString blockReport(const mining::FetchScheduler &fetching, const QString &keyword,
                    const QString &how, int route, qint64 retryInMs)
{
    QString line = QStringLiteral("query %1 blocked (%2)").arg(quoted(keyword), how);
    if (!fetching.routes().value(route).name.isEmpty())
        line += QStringLiteral(" through ") + proxyName(route);
    if (retryInMs < 0)
        return line + QStringLiteral("; no tries left");
    if (retryInMs == 0)
        return line + QStringLiteral("; trying again at once");
    return line + QStringLiteral("; trying again in %1 s").arg(double(retryInMs) / 1000, 0, 'f', 1);
}

QStringList summaryLines(const mining::FetchScheduler &fetching, const MineCounts &counts)
{
    const QList<mining::RouteStats> routes = fetching.routes();
    int requests = 0;
    for (const mining::RouteStats &route : routes)
        requests += route.requests;
    QString totals =
        QStringLiteral("summary: %1 (%2): %3 blocked and retried, %4 stayed blocked, %5 failed; %6")
            .arg(counted(counts.queries, "query", "queries"),
                 counted(requests, "request", "requests"))
            .arg(counts.blockedAndRetried)
            .arg(counts.stayedBlocked)
            .arg(counts.failed)
            .arg(counted(counts.keywords, "keyword", "keywords"));
    if (fetching.isPaced())
        totals += QStringLiteral("; pace %1").arg(paceText(fetching));
    if (counts.elapsedMs > 0)
        totals += QStringLiteral("; %1 on average")
                      .arg(rateText(1000.0 * counts.queries / double(counts.elapsedMs)));
    QStringList lines{totals};
    for (qsizetype i = 0; i < routes.size(); ++i) {
        const mining::RouteStats &route = routes[i];
        if (route.name.isEmpty())
            continue;
        QString line =
            QStringLiteral("  %1 %2: %3, %4, %5")
                .arg(proxyName(int(i)), route.name, counted(route.requests, "request", "requests"),
                     counted(route.blocks, "block", "blocks"),
                     counted(route.failures, "failure", "failures"));
        if (route.rests > 0)
            line += QStringLiteral(", rested ") + counted(route.rests, "time", "times");
        if (fetching.isPaced())
            line += QStringLiteral(", pace ") + rateText(route.rate);
        lines.append(line);
    }
    return lines;
}

} // namespace vantorix::cli
