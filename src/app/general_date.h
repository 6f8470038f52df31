#pragma once

#include <QDateTime>

namespace vantorix::app {

// A moment in the general date format of a Chinese system, whatever the
// locale the program runs under: the short date, a space and the long time
// ("2026/3/5 14:07:09"); the date alone at exactly midnight.
QString generalDateText(const QDateTime &when);

} // namespace vantorix::app
