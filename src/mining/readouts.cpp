#include "mining/readouts.h"

namespace vantorix::mining {

QString countText(int foundCount)
{
    return QString::number(foundCount) + QStringLiteral(" 个");
}

qint64 elapsedSeconds(const QDateTime &startTime, const QDateTime &now)
{
    return qAbs(startTime.secsTo(now));
}

QString elapsedText(qint64 seconds)
{
    return QStringLiteral("已查询：") + QString::number(seconds) + QStringLiteral(" 秒");
}

QDateTime currentWholeSecond()
{
    QDateTime now = QDateTime::currentDateTime();
    const QTime t = now.time();
    now.setTime(QTime(t.hour(), t.minute(), t.second()));
    return now;
}

QString backoffText(qint64 seconds, const QString &keyword)
{
    return QStringLiteral("访问受限，") + QString::number(seconds) + QStringLiteral(" 秒后重试：") +
           keyword;
}

QString stayedBlockedText(int queries)
{
    return QStringLiteral("访问受限，") + QString::number(queries) +
           QStringLiteral(" 个查询仍被拦截");
}

QString failedText(int queries, const QString &cause)
{
    return QString::number(queries) + QStringLiteral(" 个查询失败：") + cause;
}

} // namespace vantorix::mining
