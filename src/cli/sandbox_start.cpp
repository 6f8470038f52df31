#include "cli/sandbox_start.h"

#include "cli/command_context.h"
#include "sandbox/embedded.h"

namespace vantorix::cli {

Result<> startSandboxIfAsked(CommandContext &ctx)
{
    if (!ctx.settings.sandbox)
        return {};
    const Result<QString> warning =
        sandbox::useEmbeddedSandbox(ctx.parent(), ctx.settings, ctx.given);
    if (!warning)
        return failure(warning.error());
    if (!warning->isEmpty())
        ctx.err().write(errorLine(*warning));
    return {};
}

} // namespace vantorix::cli
