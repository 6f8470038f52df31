#pragma once

namespace vantorix::cli {

class CommandContext;

// With --sandbox, starts the embedded sandbox web and points every host of
// ctx.settings at it. False (reported on stderr) when it could not start.
bool startSandboxIfAsked(CommandContext &ctx);

} // namespace vantorix::cli
