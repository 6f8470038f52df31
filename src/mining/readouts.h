#pragma once

#include <QDateTime>
#include <QString>

namespace vantorix::mining {

// "37 个": the found-count read-out.
QString countText(int foundCount);

// The start-time read-out: this, then the time in the user's general date format.
inline const QString kStartTimeCaption = QStringLiteral("开始时间：");

// Whole seconds between the two moments, never negative (the clock may have
// been set back).
qint64 elapsedSeconds(const QDateTime &startTime, const QDateTime &now);

// "已查询：75 秒".
QString elapsedText(qint64 seconds);

// The querying read-out while a blocked query waits for its next try:
// "访问受限，3 秒后重试：减肥".
QString backoffText(qint64 seconds, const QString &keyword);
// The querying read-out after a run in which queries stayed blocked:
// "访问受限，2 个查询仍被拦截".
QString stayedBlockedText(int queries);
// The querying read-out after a run in which queries failed, with the first
// cause: "3 个查询失败：connection refused".
QString failedText(int queries, const QString &cause);

// The current local time in whole seconds.
QDateTime currentWholeSecond();

} // namespace vantorix::mining
