#pragma once

// Adding a subcommand to vantorix-cli
// -----------------------------------
// 1. Write a class in src/cli/<name>_command.{h,cpp} (or a folder of its
//    own, as mine/), deriving from Command, or from CommandWithOptions<Args>
//    when it has flags of its own: its optionTable() binds each flag to a
//    field of Args, and args() holds them, parsed, when it runs. Give it
//    name(), summary(), arguments() (the synopsis after the name), details()
//    for `help NAME`, and the argument count it takes.
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

#include "config/bound_option.h"

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
    // A few command lines that show its use, one a line, for `help NAME`.
    virtual QStringList examples() const { return {}; }
    // Whether it reads a keyword list on standard input (the general help
    // says how).
    virtual bool readsKeywordList() const { return false; }
    virtual QList<CommandOption> options() const { return {}; }
    // Takes the command's own flags from the command line before it runs; a
    // bad value is a usage error.
    virtual Result<> takeOptions(const config::ParsedOptions &) { return {}; }
    virtual int minArguments() const { return 0; }
    virtual int maxArguments() const { return 0; }

    // Fetching commands run inside the event loop (see start()).
    virtual bool isAsynchronous() const { return false; }

    // Does the whole job and returns the exit code.
    virtual int run(CommandContext &ctx);
    // Starts the job; it ends with ctx.finish(exitCode).
    virtual void start(CommandContext &ctx);
};

// A command with flags of its own, each bound to a field of `Args`.
template <typename Args> class CommandWithOptions : public Command
{
public:
    QList<CommandOption> options() const final { return config::specsOf(optionTable()); }
    Result<> takeOptions(const config::ParsedOptions &given) final
    {
        m_args = Args();
        return config::applyGiven(optionTable(), given, m_args);
    }

protected:
    virtual const config::OptionTable<Args> &optionTable() const = 0;
    const Args &args() const { return m_args; }

private:
    Args m_args;
};

} // namespace vantorix::cli
