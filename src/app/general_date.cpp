#include "app/general_date.h"

namespace vantorix::app {

QString generalDateText(const QDateTime &when)
{
    // Format strings read the same under every locale.
    const QString date = when.toString(u"yyyy/M/d");
    const QTime time = when.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return date;
    return date + u' ' + when.toString(u"H:mm:ss");
}

} // namespace vantorix::app
