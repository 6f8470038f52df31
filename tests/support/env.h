#pragma once

#include <QProcessEnvironment>

// Takes every VANTORIX_* variable out of this process's environment (and so
// out of the programs it starts), so that a setting left in the shell that
// runs the tests cannot change what they see.
inline void clearVantorixEnvironment()
{
    const QStringList names = QProcessEnvironment::systemEnvironment().keys();
    for (const QString &name : names) {
        if (name.startsWith(QLatin1String("VANTORIX_")))
            qunsetenv(name.toLocal8Bit().constData());
    }
}
