#pragma once

#include "common/result.h"

#include <QStringList>

namespace vantorix::config {

// The proxies of a rotation file: one http:// or socks5:// address a line;
// blank lines and lines starting with '#' are skipped. A bad line fails,
// named by its number; so does a file with no proxy in it.
Result<QStringList> readProxyList(const QString &path);

} // namespace vantorix::config
