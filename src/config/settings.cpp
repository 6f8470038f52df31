#include "config/settings.h"

#include <QUrl>
#include <functional>
#include <vector>

namespace vantorix::config {

namespace {

struct Option
{
    const char *flag;
    const char *environment;
    const char *help;
    std::function<QString(Settings &, const QString &)> apply;
};

QString setHost(QString &target, const QString &value)
{
    const QString error = validateHost(value);
    if (error.isEmpty())
        target = value;
    return error;
}

QString setPositive(int &target, const QString &value, int maximum, const char *what)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < 1 || number > maximum)
        return QStringLiteral("%1 must be a whole number from 1 to %2, not '%3'")
            .arg(QLatin1String(what))
            .arg(maximum)
            .arg(value);
    target = number;
    return {};
}

QString setProxy(Settings &s, const QString &value)
{
    const QUrl url(value, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return QStringLiteral("proxy must be a URL such as http://host:port, not '%1'").arg(value);
    s.proxy = value;
    return {};
}

const std::vector<Option> &options()
{
    static const std::vector<Option> table = {
        {"--search-host", "VANTORIX_SEARCH_HOST", "web search host",
         [](Settings &s, const QString &v) { return setHost(s.hosts.search, v); }},
        {"--hotlist-host", "VANTORIX_HOTLIST_HOST", "Baidu hot-list host",
         [](Settings &s, const QString &v) { return setHost(s.hosts.hotlist, v); }},
        {"--sogou-hotlist-host", "VANTORIX_SOGOU_HOTLIST_HOST", "Sogou hot-list host",
         [](Settings &s, const QString &v) { return setHost(s.hosts.sogouHotlist, v); }},
        {"--sogou-search-host", "VANTORIX_SOGOU_SEARCH_HOST", "Sogou web search host",
         [](Settings &s, const QString &v) { return setHost(s.hosts.sogouSearch, v); }},
        {"--publisher-host", "VANTORIX_PUBLISHER_HOST", "publisher site host",
         [](Settings &s, const QString &v) { return setHost(s.hosts.publisher, v); }},
        {"--timeout", "VANTORIX_TIMEOUT", "page fetch time-out in seconds (60)",
         [](Settings &s, const QString &v) {
             return setPositive(s.timeoutSeconds, v, 86400, "timeout");
         }},
        {"--proxy", "VANTORIX_PROXY", "proxy URL (default: the system proxy settings)", setProxy},
        {"--concurrency", "VANTORIX_CONCURRENCY", "mining queries in flight (1)",
         [](Settings &s, const QString &v) {
             return setPositive(s.concurrency, v, 64, "concurrency");
         }},
        {"--dump-file", "VANTORIX_DUMP_FILE", "where hot-word fetches write their words",
         [](Settings &s, const QString &v) {
             s.dumpFile = v;
             return QString();
         }},
    };
    return table;
}

} // namespace

void HostSettings::setAll(const QString &host)
{
    search = hotlist = sogouHotlist = sogouSearch = publisher = host;
}

QString validateHost(const QString &host)
{
    if (host.isEmpty())
        return QStringLiteral("a host must not be empty");
    if (host.contains(QLatin1String("://")) || host.contains(QLatin1Char('/')))
        return QStringLiteral("host '%1' must be name[:port], without a scheme or path").arg(host);
    for (const QChar c : host) {
        if (c.isSpace() || c.unicode() < 0x21 || c.unicode() > 0x7e)
            return QStringLiteral("host '%1' holds a character a host name cannot have").arg(host);
    }
    QString name = host;
    const qsizetype colon = host.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0) {
        bool ok = false;
        const int port = host.mid(colon + 1).toInt(&ok);
        if (!ok || port < 1 || port > 65535)
            return QStringLiteral("host '%1' has a port outside 1 to 65535").arg(host);
        name = host.left(colon);
    }
    if (name.isEmpty() || name.contains(QLatin1Char(':')))
        return QStringLiteral("host '%1' has no usable name").arg(host);
    return {};
}

QString applyEnvironment(Settings &settings)
{
    for (const Option &option : options()) {
        const QByteArray value = qgetenv(option.environment);
        if (value.isEmpty())
            continue;
        const QString error = option.apply(settings, QString::fromLocal8Bit(value));
        if (!error.isEmpty())
            return QLatin1String(option.environment) + QStringLiteral(": ") + error;
    }
    return {};
}

bool takeSettingsOption(const QStringList &args, qsizetype &index, Settings &settings,
                        QString &error)
{
    const QString &arg = args.at(index);
    if (arg == QLatin1String("--sandbox")) {
        settings.sandbox = true;
        ++index;
        return true;
    }
    for (const Option &option : options()) {
        const QLatin1String flag(option.flag);
        QString value;
        qsizetype next = index + 1;
        if (arg == flag) {
            if (next >= args.size()) {
                error = flag + QStringLiteral(" needs a value");
                index = next;
                return true;
            }
            value = args.at(next++);
        } else if (arg.startsWith(flag + QLatin1Char('='))) {
            value = arg.mid(flag.size() + 1);
        } else {
            continue;
        }
        index = next;
        const QString problem = option.apply(settings, value);
        if (!problem.isEmpty())
            error = flag + QStringLiteral(": ") + problem;
        return true;
    }
    return false;
}

QString settingsHelp()
{
    QString help = QStringLiteral(
        "  --sandbox                  serve every page from an embedded web on 127.0.0.1\n");
    for (const Option &option : options()) {
        const QString flag = QLatin1String(option.flag) + QStringLiteral(" VALUE");
        help += QStringLiteral("  ") + flag.leftJustified(26) + QLatin1Char(' ') +
                QLatin1String(option.help) + QStringLiteral(" [") +
                QLatin1String(option.environment) + QStringLiteral("]\n");
    }
    return help;
}

} // namespace vantorix::config
