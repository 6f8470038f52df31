#pragma once

#include "common/result.h"
#include "config/option_parser.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vantorix::config {

// Where each role's pages come from: "name[:port]", reached over http, or a
// base address "http://name[:port]" or "https://name[:port]". These defaults
// are the classic layout's; the live layout puts today's hosts in place of
// those left at them.
struct HostSettings
{
    QString search = QStringLiteral("www.baidu.com");
    QString hotlist = QStringLiteral("top.baidu.com");
    QString sogouHotlist = QStringLiteral("top.sogou.com");
    QString sogouSearch = QStringLiteral("www.sogou.com");
    QString so360Search = QStringLiteral("www.so.com");
    QString publisher = QStringLiteral("vantorix.example");

    // Points every role at one host (the sandbox web).
    void setAll(const QString &host);
};

// Which pages the program reads: the classic ones, today's (live), or, with
// auto, live for the real public hosts and classic for any other.
enum class LayoutChoice { Auto, Classic, Live };

struct Settings
{
    HostSettings hosts;
    LayoutChoice layout = LayoutChoice::Auto;
    QString engine = QStringLiteral("baidu"); // whose result pages a mining run reads
    int timeoutSeconds = 60;
    QString proxy;       // empty: the system proxy settings
    int concurrency = 0; // queue entries fetched ahead by a mining run; 0: one per proxy
    bool sandbox = false;
    // How mining queries go out; unset values take the layout's defaults.
    std::optional<int> retries;
    std::optional<int> delayMs; // a fixed pace, which turns the learnt one off
    bool autoPace = false;
    double maxRate = 2.0; // queries per second on one route when the pace is learnt
    QStringList proxies;  // mining queries rotate through these
    QString dumpFile;     // empty: the platform default
};

// Whether the pages read are today's: when asked for, or with auto when every
// page role (search, both hot lists) names a real public host of the engines;
// never with auto on the sandbox web.
bool readsLivePages(const Settings &settings);

// auto, classic or live.
Result<LayoutChoice> parseLayoutChoice(const QString &text);

// The network options both programs share, in --help order.
QList<OptionSpec> settingsOptions();

// The network options given on the command line.
Result<> applySettingsFlags(Settings &settings, const ParsedOptions &given);
// The VANTORIX_* variables of the network options not given as flags.
Result<> applySettingsEnvironment(Settings &settings, const ParsedOptions &given);

// The host flags among `given`, which --sandbox overrides.
QStringList hostFlagsGiven(const ParsedOptions &given);

} // namespace vantorix::config
