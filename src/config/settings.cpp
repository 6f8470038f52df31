#include "config/settings.h"

#include "config/bound_option.h"
#include "config/host_check.h"
#include "config/proxy_list.h"

#include <QCoreApplication>
#include <QHash>
#include <QUrl>

namespace vantorix::config {

namespace {

struct HostRole
{
    const char *name;
    const char *environment;
    const char *description;
    QString HostSettings::*field;
};

const HostRole kHostRoles[] = {
    {"search-host", "VANTORIX_SEARCH_HOST", QT_TRANSLATE_NOOP("options", "web search host"),
     &HostSettings::search},
    {"hotlist-host", "VANTORIX_HOTLIST_HOST", QT_TRANSLATE_NOOP("options", "Baidu hot-list host"),
     &HostSettings::hotlist},
    {"sogou-hotlist-host", "VANTORIX_SOGOU_HOTLIST_HOST",
     QT_TRANSLATE_NOOP("options", "Sogou hot-list host"), &HostSettings::sogouHotlist},
    {"sogou-search-host", "VANTORIX_SOGOU_SEARCH_HOST",
     QT_TRANSLATE_NOOP("options", "Sogou web search host"), &HostSettings::sogouSearch},
    {"so360-search-host", "VANTORIX_SO360_SEARCH_HOST",
     QT_TRANSLATE_NOOP("options", "360 web search host"), &HostSettings::so360Search},
    {"publisher-host", "VANTORIX_PUBLISHER_HOST",
     QT_TRANSLATE_NOOP("options", "publisher site host"), &HostSettings::publisher},
};

Result<> setNumber(int &target, const QString &value, qlonglong low, qlonglong high)
{
    const Result<qlonglong> number = wholeNumber(value, low, high);
    if (!number)
        return failure(number.error());
    target = int(*number);
    return {};
}

Result<> setProxy(Settings &settings, const QString &value)
{
    Result<> checked = checkProxy(value);
    if (checked)
        settings.proxy = value;
    return checked;
}

// A whole number from 0 to `high` that, once given, wins over the layout's default.
auto optionalNumber(std::optional<int> Settings::*field, qlonglong high)
{
    return [field, high](Settings &s, const QString &value) {
        int number = 0;
        Result<> set = setNumber(number, value, 0, high);
        if (set)
            s.*field = number;
        return set;
    };
}

// Queries per second --max-rate allows: below one query in 100 s a run
// would crawl, and a pace's gap must stay a sane number of milliseconds.
constexpr double kLowestMaxRate = 0.01;
constexpr double kHighestMaxRate = 1000;

Result<> setMaxRate(Settings &settings, const QString &value)
{
    const Result<double> rate = decimalNumber(value, kLowestMaxRate, kHighestMaxRate);
    if (!rate)
        return failure(rate.error());
    settings.maxRate = *rate;
    return {};
}

Result<> setLayout(Settings &settings, const QString &value)
{
    const Result<LayoutChoice> choice = parseLayoutChoice(value);
    if (!choice)
        return failure(choice.error());
    settings.layout = *choice;
    return {};
}

bool isPublicEngineHost(const QString &host)
{
    const QString name = QUrl(baseAddress(host)).host().toLower();
    for (const QLatin1String domain : {QLatin1String("baidu.com"), QLatin1String("sogou.com")}) {
        if (name == domain || name.endsWith(QLatin1Char('.') + domain))
            return true;
    }
    return false;
}

OptionSpec optionSpec(const char *name, const char *valueName, const char *description,
                      const char *environment = "")
{
    return {QLatin1String(name), QLatin1String(valueName), QLatin1String(description),
            QLatin1String(environment)};
}

const OptionTable<Settings> &table()
{
    static const OptionTable<Settings> options = [] {
        OptionTable<Settings> rows;
        rows.push_back(
            {optionSpec("sandbox", "",
                        QT_TRANSLATE_NOOP("options",
                                          "serve every page from an embedded web on 127.0.0.1")),
             [](Settings &s, const QString &) {
                 s.sandbox = true;
                 return Result<>();
             }});
        for (const HostRole &role : kHostRoles)
            rows.push_back({optionSpec(role.name, "HOST", role.description, role.environment),
                            [field = role.field](Settings &s, const QString &value) {
                                Result<> checked = checkHost(value);
                                if (checked)
                                    s.hosts.*field = value;
                                return checked;
                            }});
        rows.push_back(
            {optionSpec("layout", "auto|classic|live",
                        QT_TRANSLATE_NOOP("options",
                                          "pages to read: live (today's Baidu and Sogou) or\n"
                                          "classic; auto: live for the real public hosts,\n"
                                          "classic for any other (the sandbox included)"),
                        "VANTORIX_LAYOUT"),
             setLayout});
        rows.push_back(
            {optionSpec("timeout", "SECONDS",
                        QT_TRANSLATE_NOOP("options", "page fetch time-out in seconds (60)"),
                        "VANTORIX_TIMEOUT"),
             [](Settings &s, const QString &value) {
                 return setNumber(s.timeoutSeconds, value, 1, 86400);
             }});
        rows.push_back(
            {optionSpec(
                 "proxy", "URL",
                 QT_TRANSLATE_NOOP("options", "http:// or socks5:// proxy (default: the system's)"),
                 "VANTORIX_PROXY"),
             setProxy});
        rows.push_back(
            {optionSpec("concurrency", "N",
                        QT_TRANSLATE_NOOP("options",
                                          "mining queries in flight (1, or one per proxy);\n"
                                          "more than 6 on one route gains nothing: Qt\n"
                                          "opens at most 6 connections a host"),
                        "VANTORIX_CONCURRENCY"),
             [](Settings &s, const QString &value) {
                 return setNumber(s.concurrency, value, 1, 64);
             }});
        rows.push_back(
            {optionSpec("retries", "N",
                        QT_TRANSLATE_NOOP("options",
                                          "try a mining query that failed or met a block N\n"
                                          "more times, backing off (live layout 3; classic\n"
                                          "layout and --sandbox 0)"),
                        "VANTORIX_RETRIES"),
             optionalNumber(&Settings::retries, 100)});
        rows.push_back(
            {optionSpec("delay", "MS",
                        QT_TRANSLATE_NOOP("options",
                                          "fixed pace: at least MS milliseconds between two\n"
                                          "mining queries on one route; turns --pace auto\n"
                                          "off (0: as fast as the replies come; the classic\n"
                                          "layout's default)"),
                        "VANTORIX_DELAY"),
             optionalNumber(&Settings::delayMs, 3600000)});
        rows.push_back(
            {optionSpec("pace", "auto",
                        QT_TRANSLATE_NOOP("options",
                                          "learn the pace: start slow, speed up while the\n"
                                          "answers are clean, halve the rate at each block\n"
                                          "(the live layout's default, --sandbox aside)"),
                        "VANTORIX_PACE"),
             [](Settings &s, const QString &value) -> Result<> {
                 if (value != QLatin1String("auto"))
                     return failure(QCoreApplication::translate(
                                        "options", "'%1' is not auto (a fixed pace is --delay MS)")
                                        .arg(value));
                 s.autoPace = true;
                 return {};
             }});
        rows.push_back(
            {optionSpec("max-rate", "R",
                        QT_TRANSLATE_NOOP("options",
                                          "queries per second one route never exceeds under\n"
                                          "--pace auto (2; from 0.01 to 1000)"),
                        "VANTORIX_MAX_RATE"),
             setMaxRate});
        rows.push_back(
            {optionSpec("proxies", "FILE",
                        QT_TRANSLATE_NOOP("options",
                                          "send mining queries round-robin through the\n"
                                          "http:// or socks5:// proxies in FILE, one a line\n"
                                          "(64 MB max)"),
                        "VANTORIX_PROXIES"),
             [](Settings &s, const QString &value) -> Result<> {
                 Result<QStringList> proxies = readProxyList(value);
                 if (!proxies)
                     return failure(proxies.error());
                 s.proxies = std::move(proxies).value();
                 return {};
             }});
        rows.push_back(
            {optionSpec("dump-file", "PATH",
                        QT_TRANSLATE_NOOP("options", "where hot-word fetches write their words"),
                        "VANTORIX_DUMP_FILE"),
             [](Settings &s, const QString &value) {
                 s.dumpFile = value;
                 return Result<>();
             }});
        return rows;
    }();
    return options;
}

} // namespace

void HostSettings::setAll(const QString &host)
{
    search = hotlist = sogouHotlist = sogouSearch = so360Search = publisher = host;
}

QList<OptionSpec> settingsOptions()
{
    return specsOf(table());
}

Result<> applySettingsFlags(Settings &settings, const ParsedOptions &given)
{
    return applyGiven(table(), given, settings);
}

Result<> applySettingsEnvironment(Settings &settings, const ParsedOptions &given)
{
    return applyEnvironment(table(), given, settings);
}

QStringList hostFlagsGiven(const ParsedOptions &given)
{
    QStringList flags;
    for (const HostRole &role : kHostRoles) {
        if (given.isSet(QLatin1String(role.name)))
            flags.append(QStringLiteral("--") + QLatin1String(role.name));
    }
    return flags;
}

Result<LayoutChoice> parseLayoutChoice(const QString &text)
{
    static const QHash<QString, LayoutChoice> kChoices = {
        {QStringLiteral("auto"), LayoutChoice::Auto},
        {QStringLiteral("classic"), LayoutChoice::Classic},
        {QStringLiteral("live"), LayoutChoice::Live},
    };
    if (!kChoices.contains(text))
        return failure(notOneOf(
            text, {QStringLiteral("auto"), QStringLiteral("classic"), QStringLiteral("live")}));
    return kChoices.value(text);
}

bool readsLivePages(const Settings &settings)
{
    if (settings.layout != LayoutChoice::Auto)
        return settings.layout == LayoutChoice::Live;
    const HostSettings &hosts = settings.hosts;
    return !settings.sandbox && isPublicEngineHost(hosts.search) &&
           isPublicEngineHost(hosts.hotlist) && isPublicEngineHost(hosts.sogouHotlist);
}

} // namespace vantorix::config
