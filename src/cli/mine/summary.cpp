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

} // namespace

QString paceText(const mining::FetchScheduler &fetching)
{
    return fetching.isPaced() ? rateText(fetching.rate()) : QString();
}

QString blockReport(const mining::FetchScheduler &fetching, const QString &keyword,
                    const QString &how, int route, qint64 retryInMs)
{
    QString line =
        QCoreApplication::translate("mine", "query %1 blocked (%2)").arg(quoted(keyword), how);
    if (!fetching.routes().value(route).name.isEmpty())
        line += QCoreApplication::translate("mine", " through ") + proxyName(route);
    if (retryInMs < 0)
        return line + QCoreApplication::translate("mine", "; no tries left");
    if (retryInMs == 0)
        return line + QCoreApplication::translate("mine", "; trying again at once");
    return line + QCoreApplication::translate("mine", "; trying again in %1 s")
                      .arg(double(retryInMs) / 1000, 0, 'f', 1);
}

QStringList summaryLines(const mining::FetchScheduler &fetching, const MineCounts &counts)
{
    const QList<mining::RouteStats> routes = fetching.routes();
    int requests = 0;
    for (const mining::RouteStats &route : routes)
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
    if (fetching.isPaced())
        totals += QCoreApplication::translate("mine", "; pace %1").arg(paceText(fetching));
    if (counts.elapsedMs > 0)
        totals += QCoreApplication::translate("mine", "; %1 on average")
                      .arg(rateText(1000.0 * counts.queries / double(counts.elapsedMs)));
    QStringList lines{totals};
    for (qsizetype i = 0; i < routes.size(); ++i) {
        const mining::RouteStats &route = routes[i];
        if (route.name.isEmpty())
            continue;
        QString line = QStringLiteral("  %1 %2: %3, %4, %5")
                           .arg(proxyName(int(i)), route.name,
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

} // namespace vantorix::cli
