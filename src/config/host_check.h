#pragma once

#include "common/result.h"

#include <QString>

namespace vantorix::config {

// Fine when `host` is a usable base address: "name[:port]", optionally after
// "http://" or "https://"; the name a DNS name or IPv4 address, or an IPv6
// address in brackets ("[::1]:8080"); the port 1 to 65535 in digits. No path.
Result<> checkHost(const QString &host);

// Fine when `url` names a proxy: "http://" or "socks5://", then a host.
Result<> checkProxy(const QString &url);

// The host's scheme and authority, "http://" standing in for a missing scheme.
QString baseAddress(const QString &host);

} // namespace vantorix::config
