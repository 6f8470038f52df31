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

} // namespace vantorix::cli
