#include "cli/cli_runner.h"

#include "cli/command_context.h"
#include "cli/command_line.h"
#include "cli/command_registry.h"
#include "cli/help_text.h"
#include "cli/sandbox_start.h"
#include "config/standard_output.h"

#include <QCoreApplication>

namespace vantorix::cli {

namespace {

int printTo(int descriptor, TextEncoding encoding, const QString &text, int status)
{
    OutputStream stream(descriptor, encoding, 1 << 12);
    stream.write(text);
    if (stream.flush() || descriptor == 2)
        return status;
    return printTo(2, encoding,
                   errorLine(QCoreApplication::translate("cli", "cannot write to standard output")),
                   1);
}

int usageError(TextEncoding encoding, const QString &message)
{
    return printTo(2, encoding,
                   errorLine(config::withHelpHint(QStringLiteral("vantorix-cli"), message)), 2);
}

QString unknownCommand(const QString &name, const CommandRegistry &registry)
{
    QStringList names{QStringLiteral("help")};
    for (const auto &command : registry.commands())
        names.append(command->name());
    QString message = QCoreApplication::translate("cli", "unknown command '%1'").arg(name);
    if (const QString near = config::closestName(name, names); !near.isEmpty())
        message += QCoreApplication::translate("cli", " (did you mean '%1'?)").arg(near);
    return message;
}

// --help, `help` and `help NAME`.
int showHelp(const CommandLine &line, const CommandRegistry &registry)
{
    QString name = line.commandName;
    if (name == QLatin1String("help")) {
        if (line.arguments.size() > 1)
            return usageError(line.global.encoding,
                              QCoreApplication::translate("cli", "help takes one command name"));
        name = line.arguments.value(0);
    }
    if (name.isEmpty())
        return printTo(1, line.global.encoding, generalHelp(registry), 0);
    if (name == QLatin1String("help"))
        return printTo(1, line.global.encoding, helpCommandHelp(), 0);
    if (const Command *command = registry.find(name))
        return printTo(1, line.global.encoding, commandHelp(*command), 0);
    return usageError(line.global.encoding, unknownCommand(name, registry));
}

QString argumentCountError(const Command &command, qsizetype given)
{
    const QString usage =
        QStringLiteral("usage: vantorix-cli ") + command.name() +
        (command.arguments().isEmpty() ? QString() : QLatin1Char(' ') + command.arguments());
    if (given < command.minArguments())
        return QCoreApplication::translate("cli", "'%1' is missing an argument (%2)")
            .arg(command.name(), usage);
    return QCoreApplication::translate("cli", "too many arguments for '%1' (%2)")
        .arg(command.name(), usage);
}

int runCommand(QCoreApplication &app, Command &command, const CommandLine &line,
               const config::Settings &settings)
{
    CommandContext ctx(command, line.global.encoding, &app);
    ctx.settings = settings;
    ctx.raw = line.global.raw;
    ctx.encodingChosen = line.global.encodingGiven;
    ctx.arguments = line.arguments;
    ctx.given = line.options;

    int status = 0;
    if (command.isAsynchronous()) {
        if (const Result<> started = startSandboxIfAsked(ctx); !started)
            return ctx.fail(started.error());
        ctx.layout = layout::chooseLayout(ctx.settings);
        command.start(ctx);
        if (!ctx.isFinished())
            app.exec();
        status = ctx.exitCode();
    } else {
        status = command.run(ctx);
    }
    if (!ctx.out().flush() && status == 0)
        status = ctx.fail(QCoreApplication::translate("cli", "cannot write to standard output"));
    return status;
}

} // namespace

int runCli(QCoreApplication &app)
{
    useBinaryStandardStreams();
    const CommandRegistry registry;
    const QStringList args = app.arguments().mid(1);
    const Result<CommandLine> first = findCommand(args, registry);
    if (!first)
        return usageError(TextEncoding::Utf8, first.error());
    const TextEncoding encoding = first->global.encoding;
    if (first->global.help || first->commandName == QLatin1String("help"))
        return showHelp(*first, registry);
    if (first->global.version)
        return printTo(1, encoding, versionText(), 0);
    if (first->commandName.isEmpty())
        return usageError(encoding, QCoreApplication::translate("cli", "no command given"));
    Command *command = registry.find(first->commandName);
    if (!command)
        return usageError(encoding, unknownCommand(first->commandName, registry));

    const Result<CommandLine> line = parseForCommand(args, *command);
    if (!line)
        return usageError(encoding, line.error());
    if (const Result<> taken = command->takeOptions(line->options); !taken)
        return usageError(encoding, taken.error());
    config::Settings settings;
    if (const Result<> flags = config::applySettingsFlags(settings, line->options); !flags)
        return usageError(encoding, flags.error());
    // Only the commands that fetch pages depend on the network settings.
    if (command->isAsynchronous()) {
        const Result<> environment = config::applySettingsEnvironment(settings, line->options);
        if (!environment)
            return usageError(encoding, environment.error());
    }
    const qsizetype given = line->arguments.size();
    if (given < command->minArguments() || given > command->maxArguments())
        return usageError(encoding, argumentCountError(*command, given));
    return runCommand(app, *command, *line, settings);
}

} // namespace vantorix::cli
