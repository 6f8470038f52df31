#pragma once

#include "cli/command_registry.h"
#include "cli/text_io.h"
#include "config/settings.h"

#include <QHash>
#include <QStringList>

namespace vantorix::cli {

// The command line taken apart. Options may stand before or after the
// command name; "--" ends them.
struct CommandLine
{
    QString commandName; // empty when none was given
    Command *command = nullptr;
    QStringList arguments; // positional, after the command name
    QHash<QString, QString> options;
    config::Settings settings;
    TextEncoding encoding = TextEncoding::Utf8;
    bool raw = false;
    bool help = false;
    bool version = false;
    QString error; // the first usage error, if any
};

// Parses `args` (without the program name) on top of `settings`, which
// already hold the environment's values.
CommandLine parseCommandLine(const QStringList &args, const CommandRegistry &registry,
                             const config::Settings &settings);

} // namespace vantorix::cli
