#include "cli/sandbox_start.h"

#include "cli/command_context.h"
#include "sandbox/embedded.h"

namespace vantorix::cli {

Result<> startSandboxIfAsked(CommandContext &ctx)
{
    if (!ctx.settings.sandbox)
        return {};
    const QStringList overridden = config::hostFlagsGiven(ctx.given);
    if (!overridden.isEmpty())
        ctx.err().write(errorLine(QStringLiteral("--sandbox serves every role; ignoring ") +
                                  overridden.join(QStringLiteral(", "))));
    const Result<QString> host = sandbox::startEmbeddedSandbox(ctx.parent(), ctx.settings);
    if (!host)
        return failure(QStringLiteral("cannot start the sandbox web: ") + host.error());
    ctx.settings.hosts.setAll(*host);
    return {};
}

} // namespace vantorix::cli
