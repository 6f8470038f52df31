#pragma once

#include "common/result.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace vantorix::config {

// One command-line option: spelled --name, or --name VALUE when valueName is
// set. The tables of these are the one source of each program's flags,
// environment variables and help.
struct OptionSpec
{
    QString name;
    QString valueName;        // empty: a switch
    QString description;      // for --help; may run over several lines
    QString environment = {}; // the variable that stands in when the flag is not given
    QString alias = {};       // another spelling, as "h" for -h
};

// What a command line gave: the last value of each option given (empty for a
// switch), and the arguments that are no options, in order.
struct ParsedOptions
{
    QHash<QString, QString> values;
    QStringList positional;

    bool isSet(const QString &name) const { return values.contains(name); }
    QString value(const QString &name, const QString &fallback = {}) const
    {
        return values.value(name, fallback);
    }
};

// Parses `arguments` (without the program name) against `options`. Options
// may stand anywhere, as "--name value" or "--name=value" (a value may start
// with '-': --limit -5); "--" ends them.
Result<ParsedOptions> parseOptions(const QStringList &arguments, const QList<OptionSpec> &options);

OptionSpec helpOption();
OptionSpec versionOption();

// "  LEFT   RIGHT" lines of a help text; RIGHT may hold line breaks.
QString helpRow(const QString &left, const QString &right);
// The help rows of `options`, each with its variable in brackets.
QString optionHelp(const QList<OptionSpec> &options);

} // namespace vantorix::config
