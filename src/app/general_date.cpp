#include "app/general_date.h"

namespace vantorix::app {

QString generalDateText(const QDateTime &when, const QLocale &locale)
{
    const QString date = locale.toString(when.date(), QLocale::ShortFormat);
    const QTime time = when.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return date;
    return date + u' ' + locale.toString(when, locale.timeFormat(QLocale::LongFormat));
}

} // namespace vantorix::app
