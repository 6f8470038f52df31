#pragma once

#include <QProcessEnvironment>

// Tests run with none of the VANTORIX_* variables of the shell that started them.
inline void clearVantorixEnvironment()
{
    for (const QString &name : QProcessEnvironment::systemEnvironment().keys()) {
        if (name.startsWith(QLatin1String("VANTORIX_")))
            qunsetenv(name.toLocal8Bit().constData());
    }
}
