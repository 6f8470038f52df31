#pragma once

#include "cli/command_registry.h"
#include "cli/text_io.h"
#include "config/bound_option.h"

namespace vantorix::cli {

// The options every command takes besides the network settings.
struct GlobalArgs
{
    bool raw = false;
    TextEncoding encoding = TextEncoding::Utf8;
    bool encodingGiven = false; // else standard input may turn out to be GB18030
    bool help = false;
    bool version = false;
};

// --raw, --encoding, --help and --version.
const config::OptionTable<GlobalArgs> &globalOptionTable();

// The command line taken apart. Options may stand before or after the
// command name; "--" ends them.
struct CommandLine
{
    QString commandName;   // empty when none was given
    QStringList arguments; // positional, after the command name
    config::ParsedOptions options;
    GlobalArgs global;
};

// The first pass: the options of every command, to find the command's name
// and any option no command knows, before or after it.
Result<CommandLine> findCommand(const QStringList &args, const CommandRegistry &registry);

// The second pass: only the global options and those of `command`.
Result<CommandLine> parseForCommand(const QStringList &args, const Command &command);

} // namespace vantorix::cli
