#pragma once

#include <QDateTime>
#include <QLocale>

namespace vantorix::app {

// A moment as the user's general date format writes it: the short date, a
// space and the long time; the date alone at exactly midnight.
QString generalDateText(const QDateTime &when, const QLocale &locale = QLocale::system());

} // namespace vantorix::app
