#include "cli/command.h"

#include "cli/command_context.h"

#include <QCoreApplication>

namespace vantorix::cli {

int Command::run(CommandContext &ctx)
{
    ctx.err().write(
        name() + QCoreApplication::translate("cli", ": this command runs only asynchronously\n"));
    return 1;
}

void Command::start(CommandContext &ctx)
{
    ctx.finish(run(ctx));
}

} // namespace vantorix::cli
