#pragma once

#include <QByteArray>
#include <QString>

namespace vantorix::sandbox {

// The value of parameter `name` in a query as it came off the wire
// ("wd=%BC%F5&f=1"): percent-decoded, "+" read as a space, then decoded as
// GB18030, or as UTF-8 when the query says ie=utf-8 or `utf8` is set. Empty
// when the parameter is missing. Raw (unencoded) non-ASCII bytes cannot be read back: the HTTP
// server has already decoded the request line as UTF-8.
QString queryValue(const QByteArray &query, const QByteArray &name, bool utf8 = false);

} // namespace vantorix::sandbox
