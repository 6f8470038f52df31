#include "cli/sandbox_start.h"

#include "cli/command_context.h"

#if defined(VANTORIX_HAVE_EMBEDDED_SANDBOX) && __has_include("sandbox/embedded.h")
#include "sandbox/embedded.h"
#define VANTORIX_EMBEDS_SANDBOX 1
#endif

namespace vantorix::cli {

bool startSandboxIfAsked(CommandContext &ctx)
{
    if (!ctx.settings.sandbox)
        return true;
#ifdef VANTORIX_EMBEDS_SANDBOX
    QString error;
    if (sandbox::startEmbeddedSandbox(ctx.settings, ctx.parent(), &error))
        return true;
    ctx.fail(QStringLiteral("cannot start the sandbox web: ") + error);
#else
    ctx.fail(QStringLiteral("this build has no embedded sandbox web"));
#endif
    return false;
}

} // namespace vantorix::cli
