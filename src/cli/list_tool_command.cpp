#include "cli/list_tool_command.h"

#include "cli/command_context.h"

namespace vantorix::cli {

int ListToolCommand::prepare(CommandContext &)
{
    return 0;
}

int ListToolCommand::run(CommandContext &ctx)
{
    if (const int status = prepare(ctx))
        return status;
    StandardInput input;
    if (!ctx.readInput(input))
        return 1;
    const auto layout = ctx.raw ? list::TextLayout::List : list::TextLayout::Lines;
    transform(input.utf8(), layout, ctx.out().utf8Sink());
    return 0;
}

} // namespace vantorix::cli
