#include "cli/command.h"

#include "cli/command_context.h"

namespace vantorix::cli {

int Command::run(CommandContext &ctx)
{
    ctx.err().write(name() + QStringLiteral(": this command runs only asynchronously\n"));
    return 1;
}

void Command::start(CommandContext &ctx)
{
    ctx.finish(run(ctx));
}

std::optional<CommandOption> Command::findOption(const QString &optionName) const
{
    for (const CommandOption &option : options()) {
        if (option.name == optionName)
            return option;
    }
    return std::nullopt;
}

} // namespace vantorix::cli
