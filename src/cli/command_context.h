#pragma once

#include "cli/text_io.h"
#include "config/settings.h"
#include "layout/page_layout.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

namespace vantorix::cli {

class Command;

// What a running command is given: its parsed command line, the settings,
// the standard streams in the chosen encoding, and (for asynchronous
// commands) the way to end the run.
class CommandContext
{
public:
    CommandContext(const Command &command, TextEncoding encoding, QObject *parent);
    ~CommandContext();

    CommandContext(const CommandContext &) = delete;
    CommandContext &operator=(const CommandContext &) = delete;

    // Network settings: environment first, command-line flags override.
    config::Settings settings;
    // The pages a fetching command reads, chosen from the settings once any
    // sandbox has started.
    std::shared_ptr<const layout::PageLayout> layout;
    // Names the layout on stderr; a fetching command calls it once its
    // arguments have passed, before its first fetch, unless asked to be quiet.
    // `names`: the layouts of a run of several engines, in their order.
    void announceLayout(const QStringList &names = {});
    // --raw: exact list text in and out instead of lines.
    bool raw = false;
    // --encoding was given; without it, standard input that is not UTF-8 but
    // GB18030 is read, and answered, in GB18030.
    bool encodingChosen = true;

    TextEncoding encoding() const { return m_encoding; }
    const Command &command() const { return m_command; }

    // Positional arguments after the command name.
    QStringList arguments;
    // The options as given (the last value of a repeated one; an empty value
    // for a switch).
    config::ParsedOptions given;

    // Reads all of standard input, saying on stderr what it guessed or how
    // it is not UTF-8; on failure reports it there and returns false (the
    // command then returns 1).
    bool readInput(StandardInput &input);

    OutputStream &out() { return m_out; }
    OutputStream &err() { return m_err; }

    // "vantorix-cli: MESSAGE" as one line on stderr. usageError() returns 2,
    // fail() returns 1, for `return ctx.usageError(...)`.
    int usageError(const QString &message);
    int fail(const QString &message);

    // Parent for the objects an asynchronous command creates.
    QObject *parent() const { return m_parent; }

    // Ends an asynchronous command: leaves the event loop with `exitCode`.
    void finish(int exitCode);
    bool isFinished() const { return m_finished; }
    int exitCode() const { return m_exitCode; }

    // Ctrl-C calls `handler` in the event loop (a graceful stop); a second
    // Ctrl-C ends the process at once.
    void onInterrupt(std::function<void()> handler);

private:
    const Command &m_command;
    TextEncoding m_encoding;
    QObject *m_parent;
    OutputStream m_out;
    OutputStream m_err;
    bool m_finished = false;
    int m_exitCode = 0;
};

// An error line of vantorix-cli.
QString errorLine(const QString &message);

} // namespace vantorix::cli
