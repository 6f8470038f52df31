#include "cli/cli_runner.h"

#include "cli/command_context.h"
#include "cli/command_line.h"
#include "cli/command_registry.h"
#include "cli/help_text.h"
#include "cli/sandbox_start.h"

namespace vantorix::cli {

namespace {

const QString kSeeHelp = QStringLiteral("; see 'vantorix-cli --help'");

int printTo(int descriptor, TextEncoding encoding, const QString &text, int status)
{
    OutputStream stream(descriptor, encoding, 1 << 12);
    stream.write(text);
    stream.flush();
    return status;
}

int usageError(const CommandLine &line, const QString &message)
{
    return printTo(2, line.encoding, errorLine(message), 2);
}

// --help, `help` and `help NAME`.
int showHelp(const CommandLine &line, const CommandRegistry &registry)
{
    QString name = line.commandName;
    if (name == QLatin1String("help")) {
        if (line.arguments.size() > 1)
            return usageError(line, QStringLiteral("help takes one command name") + kSeeHelp);
        name = line.arguments.value(0);
    }
    if (name.isEmpty())
        return printTo(1, line.encoding, generalHelp(registry), 0);
    if (const Command *command = registry.find(name))
        return printTo(1, line.encoding, commandHelp(*command), 0);
    return usageError(line, QStringLiteral("unknown command '%1'").arg(name) + kSeeHelp);
}

QString argumentCountError(const Command &command, qsizetype given)
{
    const QString usage =
        QStringLiteral("usage: vantorix-cli ") + command.name() +
        (command.arguments().isEmpty() ? QString() : QLatin1Char(' ') + command.arguments());
    if (given < command.minArguments())
        return QStringLiteral("'%1' is missing an argument (%2)").arg(command.name(), usage);
    return QStringLiteral("too many arguments for '%1' (%2)").arg(command.name(), usage);
}

int runCommand(QCoreApplication &app, const CommandLine &line)
{
    Command &command = *line.command;
    CommandContext ctx(command, line.encoding, &app);
    ctx.settings = line.settings;
    ctx.raw = line.raw;
    ctx.arguments = line.arguments;
    ctx.options = line.options;

    int status = 0;
    if (command.isAsynchronous()) {
        if (!startSandboxIfAsked(ctx))
            return 1;
        command.start(ctx);
        if (!ctx.isFinished())
            app.exec();
        status = ctx.exitCode();
    } else {
        status = command.run(ctx);
    }
    if (!ctx.out().flush() && status == 0)
        status = ctx.fail(QStringLiteral("cannot write to standard output"));
    return status;
}

} // namespace

int runCli(QCoreApplication &app)
{
    useBinaryStandardStreams();
    const CommandRegistry registry;
    config::Settings settings;
    const QString environmentError = config::applyEnvironment(settings);
    const CommandLine line = parseCommandLine(app.arguments().mid(1), registry, settings);

    if (line.help || line.commandName == QLatin1String("help"))
        return showHelp(line, registry);
    if (line.version)
        return printTo(1, line.encoding, versionText(), 0);
    if (line.commandName.isEmpty())
        return usageError(line, QStringLiteral("no command given") + kSeeHelp);
    if (!line.command)
        return usageError(line,
                          QStringLiteral("unknown command '%1'").arg(line.commandName) + kSeeHelp);
    if (!line.error.isEmpty())
        return usageError(line, line.error);
    // Only the commands that fetch pages depend on the network settings.
    if (line.command->isAsynchronous() && !environmentError.isEmpty())
        return usageError(line, environmentError);
    const qsizetype given = line.arguments.size();
    if (given < line.command->minArguments() || given > line.command->maxArguments())
        return usageError(line, argumentCountError(*line.command, given));
    return runCommand(app, line);
}

} // namespace vantorix::cli
