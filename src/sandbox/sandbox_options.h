#pragma once

#include "common/result.h"
#include "sandbox/fault_plan.h"
#include "sandbox/keyword_graph.h"

#include <QString>
#include <QStringList>

namespace vantorix::sandbox {

struct SandboxOptions
{
    quint16 port = 0; // 0: any free port
    quint64 seed = 1;
    int fanout = KeywordGraph::kDefaultFanout;
    int depth = KeywordGraph::kDefaultDepth;
    int latencyMs = 0;     // every answer waits this long
    double failRate = 0.0; // share of requests met by a fault (see fault_plan.h)
    QList<Fault> faultKinds = defaultFaultKinds();
    bool live = false; // today's pages instead of the classic ones
    // Live search queries answered with blocks: this share, and every query
    // of a client over `rateLimit` a second for the cooldown.
    double blockRate = 0.0;
    double rateLimit = 0.0; // 0: none
    int blockCooldownSeconds = 30;
};

// What the command line asks for besides the options.
struct SandboxCommand
{
    SandboxOptions options;
    bool help = false;
    bool version = false;
    bool log = false;  // a line a request on standard output
    QString countFrom; // --count KEYWORD: print the graph's size from KEYWORD and exit
};

// Parses the arguments after the program name.
Result<SandboxCommand> parseSandboxArguments(const QStringList &arguments);

QString sandboxHelp();

} // namespace vantorix::sandbox
