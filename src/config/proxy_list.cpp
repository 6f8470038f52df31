#include "config/proxy_list.h"

#include "common/input_file.h"
#include "config/host_check.h"

#include <QCoreApplication>

namespace vantorix::config {

Result<QStringList> readProxyList(const QString &path)
{
    const Result<QByteArray> bytes = readInputFile(path, kMaxProxiesFileBytes);
    if (!bytes)
        return failure(QCoreApplication::translate("options", "cannot read '%1': %2")
                           .arg(path, bytes.error()));
    QStringList proxies;
    int number = 0;
    for (const QByteArray &raw : bytes->split('\n')) {
        ++number;
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (const Result<> checked = checkProxy(line); !checked)
            return failure(QCoreApplication::translate("options", "%1 line %2: %3")
                               .arg(path)
                               .arg(number)
                               .arg(checked.error()));
        proxies.append(line);
    }
    if (proxies.isEmpty())
        return failure(QCoreApplication::translate("options", "no proxy in '%1'").arg(path));
    return proxies;
}

} // namespace vantorix::config
