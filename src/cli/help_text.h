#pragma once

#include "cli/command_registry.h"

#include <QString>

namespace vantorix::cli {

// `vantorix-cli --help`: synopsis, commands, global and network options.
QString generalHelp(const CommandRegistry &registry);

// `vantorix-cli help NAME` and `vantorix-cli NAME --help`.
QString commandHelp(const Command &command);

// `vantorix-cli help help`.
QString helpCommandHelp();

// `vantorix-cli --version`.
QString versionText();

} // namespace vantorix::cli
