#include "cli/sandbox_start.h"

#include "cli/command_context.h"
#include "sandbox/embedded.h"

namespace vantorix::cli {

bool startSandboxIfAsked(CommandContext &ctx)
{
    if (!ctx.settings.sandbox)
        return true;
    const Result<QString> host = sandbox::startEmbeddedSandbox(ctx.parent());
    if (!host) {
        ctx.fail(QStringLiteral("cannot start the sandbox web: ") + host.error());
        return false;
    }
    ctx.settings.hosts.setAll(*host);
    return true;
}

} // namespace vantorix::cli
