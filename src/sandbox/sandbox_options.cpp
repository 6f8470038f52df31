#include "sandbox/sandbox_options.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace vantorix::sandbox {

using namespace Qt::StringLiterals;

namespace {

QString wholeNumber(const QString &text, qlonglong low, qlonglong high, qlonglong &out)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < low || value > high)
        return u"a whole number from %1 to %2"_s.arg(low).arg(high);
    out = value;
    return {};
}

using Setter = std::function<QString(const QString &, SandboxCommand &)>;

template <typename T> Setter number(T SandboxOptions::*field, qlonglong low, qlonglong high)
{
    return [=](const QString &text, SandboxCommand &command) {
        qlonglong value = 0;
        const QString error = wholeNumber(text, low, high, value);
        if (error.isEmpty())
            command.options.*field = static_cast<T>(value);
        return error;
    };
}

QString setFailRate(const QString &text, SandboxCommand &command)
{
    bool ok = false;
    const double rate = text.toDouble(&ok);
    if (!ok || !(rate >= 0.0 && rate <= 1.0))
        return u"a number from 0 to 1"_s;
    command.options.failRate = rate;
    return {};
}

QString setCount(const QString &text, SandboxCommand &command)
{
    command.countFrom = text;
    return {};
}

struct Flag
{
    QString name;
    Setter apply;
};

const QList<Flag> &flags()
{
    static const QList<Flag> table = {
        {u"--port"_s, number(&SandboxOptions::port, 0, 65535)},
        {u"--seed"_s, number(&SandboxOptions::seed, 0, std::numeric_limits<qlonglong>::max())},
        {u"--fanout"_s, number(&SandboxOptions::fanout, 1, kSlotWordsMinimum)},
        {u"--depth"_s, number(&SandboxOptions::depth, 0, KeywordGraph::kMaxDepth)},
        {u"--latency"_s, number(&SandboxOptions::latencyMs, 0, 3600000)},
        {u"--fail-rate"_s, setFailRate},
        {u"--count"_s, setCount},
    };
    return table;
}

} // namespace

QString parseSandboxArguments(const QStringList &arguments, SandboxCommand &command)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"--help"_s || argument == u"-h"_s) {
            command.help = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        const auto flag = std::find_if(flags().begin(), flags().end(),
                                       [&](const Flag &f) { return f.name == name; });
        if (flag == flags().end())
            return u"unknown option '%1'"_s.arg(argument);
        QString value;
        if (equals >= 0)
            value = argument.mid(equals + 1);
        else if (i + 1 < arguments.size())
            value = arguments.at(++i);
        else
            return u"%1 needs a value"_s.arg(name);
        const QString error = flag->apply(value, command);
        if (!error.isEmpty())
            return u"%1 must be %2, not '%3'"_s.arg(name, error, value);
    }
    return {};
}

QString sandboxHelp()
{
    return uR"(Usage: vantorix-sandbox [options]

Serves on 127.0.0.1 every page Vantorix reads (result pages, hot lists, the
publisher's pages), GBK-encoded, from one port. Prints
"listening on http://127.0.0.1:PORT" first, then serves until killed.

Options:
  --port N         port to listen on (0: any free port; default 0)
  --seed N         seed of the keyword graph, the hot lists and the faults (1)
  --fanout N       words per slot of the keyword graph, 1-30 (7)
  --depth N        most slot words in one keyword, 0-5 (3)
                   keywords per core: sum over l<=depth of C(5,l)*fanout^l;
                   a run from one keyword finds nearly all of them:
                   7/3 about 4,000, 12/3 about 18,800, 9/5 about 100,000
  --latency MS     answer every request after MS milliseconds (0)
  --fail-rate P    share of requests, 0-1, met by a fault: a 500 page, a dropped
                   connection, or no answer at all; chosen by hashing the seed,
                   the path and query and how often that address was asked (0)
  --count KEYWORD  print how many keywords a breadth-first run from KEYWORD
                   finds, and exit
  --help           this text
)"_s;
}

} // namespace vantorix::sandbox
