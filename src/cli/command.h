#pragma once

// Adding a subcommand to vantorix-cli
// -----------------------------------
// 1. Write a class deriving from Command in src/cli/<name>_command.{h,cpp},
//    e.g. MineCommand in mine_command.{h,cpp}. Give it name(), summary(),
//    arguments() (the synopsis after the name), details() for `help NAME`,
//    options() for its own flags, and the argument count it takes.
// 2. Add its #include and one `add<...>();` line to the CommandRegistry
//    constructor in command_registry.cpp (the order --help lists), and its
//    files to src/cli/CMakeLists.txt.
//
// The framework has parsed everything before the command runs: global flags
// (--raw, --encoding, the network settings: environment first, flags
// override), the command's own options (anywhere on the line, "--" ends
// them) and its positional arguments, whose count it has checked. It also
// prints the help. Read them from the CommandContext.
//
// A command that works offline implements run() and returns the exit code.
// A command that fetches pages returns true from isAsynchronous() and
// implements start(): it creates its objects (parented to ctx.parent()),
// returns at once, and calls ctx.finish(exitCode) when done; the event loop
// runs in between. When --sandbox is given, the embedded sandbox web has been
// started and ctx.settings points every host at it before start() is called.
// Ctrl-C: ctx.onInterrupt(handler) makes the first one call the handler
// from the event loop; a second one ends the process.
// Results go to ctx.out() (in the chosen encoding; flush() after a line that
// must show at once), progress and errors to ctx.err(); ctx.usageError()
// prints a one-line message and gives 2, ctx.fail() gives 1.

#include "config/option_parser.h"

#include <QList>
#include <QString>

namespace vantorix::cli {

class CommandContext;

// One flag of a command, spelled --name, or --name VALUE when valueName is set.
using CommandOption = config::OptionSpec;

class Command
{
public:
    virtual ~Command() = default;

    virtual QString name() const = 0;
    // One line for the command list of --help.
    virtual QString summary() const = 0;
    // What follows the name in the synopsis, e.g. "TEXT" or "[SEED]".
    virtual QString arguments() const { return {}; }
    // Further paragraphs for `help NAME`.
    virtual QString details() const { return {}; }
    virtual QList<CommandOption> options() const { return {}; }
    virtual int minArguments() const { return 0; }
    virtual int maxArguments() const { return 0; }

    // Fetching commands run inside the event loop (see start()).
    virtual bool isAsynchronous() const { return false; }

    // Does the whole job and returns the exit code.
    virtual int run(CommandContext &ctx);
    // Starts the job; it ends with ctx.finish(exitCode).
    virtual void start(CommandContext &ctx);
};

} // namespace vantorix::cli
