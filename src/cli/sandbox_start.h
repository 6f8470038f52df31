#pragma once

#include "common/result.h"

namespace vantorix::cli {

class CommandContext;

// With --sandbox, starts the embedded sandbox web and points every host of
// ctx.settings at it, saying on stderr which host flags that overrides.
Result<> startSandboxIfAsked(CommandContext &ctx);

} // namespace vantorix::cli
