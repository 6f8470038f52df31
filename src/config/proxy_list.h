#pragma once

#include "common/result.h"

#include <QStringList>

namespace vantorix::config {

// The most of a proxies file that is read.
inline constexpr qint64 kMaxProxiesFileBytes = qint64(64) << 20;

// The proxies of a rotation file: one http:// or socks5:// address a line;
// blank lines and lines starting with '#' are skipped. A bad line fails,
// named by its number; so does a file with no proxy in it, or one that is
// no regular file or larger than kMaxProxiesFileBytes.
Result<QStringList> readProxyList(const QString &path);

} // namespace vantorix::config
