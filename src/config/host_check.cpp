#include "config/host_check.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QUrl>
#include <algorithm>

namespace vantorix::config {

namespace {

bool isNameCharacter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
           c == QLatin1Char('_');
}

bool isDnsName(const QString &name)
{
    if (name.isEmpty() || name.size() > 253)
        return false;
    for (const QStringView label : QStringView(name).split(QLatin1Char('.'))) {
        // An address refuses a label that begins or ends with a hyphen.
        if (label.isEmpty() || label.size() > 63 || label.startsWith(QLatin1Char('-')) ||
            label.endsWith(QLatin1Char('-')) ||
            !std::all_of(label.begin(), label.end(), isNameCharacter))
            return false;
    }
    return true;
}

bool isBracketedIpv6(const QString &name)
{
    if (name.size() < 3 || name.front() != QLatin1Char('[') || name.back() != QLatin1Char(']'))
        return false;
    const QString inside = name.mid(1, name.size() - 2);
    // Hex digits, colons and dots only: QHostAddress also takes a scope
    // ("%eth0") and white space around the address, which a URL cannot carry.
    const bool plain = std::all_of(inside.begin(), inside.end(), [](QChar c) {
        return c == QLatin1Char(':') || c == QLatin1Char('.') ||
               (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
    });
    QHostAddress address;
    return plain && address.setAddress(inside) &&
           address.protocol() == QAbstractSocket::IPv6Protocol;
}

// The length of an http:// or https:// prefix, 0 without one.
qsizetype schemeLength(const QString &host)
{
    for (const QLatin1String scheme : {QLatin1String("http://"), QLatin1String("https://")}) {
        if (host.startsWith(scheme, Qt::CaseInsensitive))
            return scheme.size();
    }
    return 0;
}

} // namespace

Result<> checkHost(const QString &value)
{
    const QString host = value.mid(schemeLength(value));
    if (host.contains(QLatin1Char('/')))
        return failure(QCoreApplication::translate(
                           "options", "'%1' must be name[:port], optionally after http:// or "
                                      "https://, without a path")
                           .arg(value));
    QString name = host;
    const qsizetype colon = host.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0 && !host.endsWith(QLatin1Char(']'))) {
        const QString port = host.mid(colon + 1);
        const bool digits = !port.isEmpty() && port.size() <= 5 &&
                            std::all_of(port.begin(), port.end(), [](QChar c) {
                                return c >= QLatin1Char('0') && c <= QLatin1Char('9');
                            });
        if (!digits || port.toInt() < 1 || port.toInt() > 65535)
            return failure(QCoreApplication::translate(
                               "options", "'%1' has no port from 1 to 65535 after its last ':'")
                               .arg(value));
        name = host.left(colon);
    }
    if (!isDnsName(name) && !isBracketedIpv6(name))
        return failure(
            QCoreApplication::translate("options", "'%1' has no usable host name or [IPv6] address")
                .arg(value));
    return {};
}

QString baseAddress(const QString &host)
{
    const qsizetype scheme = schemeLength(host);
    if (scheme == 0)
        return QStringLiteral("http://") + host;
    return host.left(scheme).toLower() + host.mid(scheme);
}

Result<> checkProxy(const QString &url)
{
    const QUrl parsed(url, QUrl::StrictMode);
    const QString scheme = parsed.scheme().toLower();
    if (!parsed.isValid() || parsed.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("socks5")))
        return failure(QCoreApplication::translate(
                           "options", "'%1' is no http://HOST:PORT or socks5://HOST:PORT proxy")
                           .arg(url));
    return {};
}

} // namespace vantorix::config
