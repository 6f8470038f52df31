#pragma once

#include "common/result.h"
#include "config/option_parser.h"

#include <QString>
#include <QStringList>

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
    int timeoutSeconds = 60;
    QString proxy;       // empty: the system proxy settings
    int concurrency = 1; // queue entries fetched ahead by a mining run
    bool sandbox = false;
    QString dumpFile; // empty: the platform default
};

// The network options both programs share, in --help order.
QList<OptionSpec> settingsOptions();

// The network options given on the command line.
Result<> applySettingsFlags(Settings &settings, const ParsedOptions &given);
// The VANTORIX_* variables of the network options not given as flags.
Result<> applySettingsEnvironment(Settings &settings, const ParsedOptions &given);

// The host flags among `given`, which --sandbox overrides.
QStringList hostFlagsGiven(const ParsedOptions &given);

} // namespace vantorix::config
