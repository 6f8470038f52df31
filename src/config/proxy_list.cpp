#include "config/proxy_list.h"

#include "config/host_check.h"

#include <QFile>

namespace vantorix::config {

Result<QStringList> readProxyList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("cannot read '%1': %2").arg(path, file.errorString()));
    QStringList proxies;
    int number = 0;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        ++number;
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (const Result<> checked = checkProxy(line); !checked)
            return failure(
                QStringLiteral("%1 line %2: %3").arg(path).arg(number).arg(checked.error()));
        proxies.append(line);
    }
    if (proxies.isEmpty())
        return failure(QStringLiteral("no proxy in '%1'").arg(path));
    return proxies;
}

} // namespace vantorix::config
