#pragma once

#include "common/result.h"

#include <QString>

namespace vantorix::config {

// Fine when `host` is a usable "name[:port]": a DNS name or IPv4 address, or
// an IPv6 address in brackets ("[::1]:8080"); the port 1 to 65535 in digits.
Result<> checkHost(const QString &host);

} // namespace vantorix::config
