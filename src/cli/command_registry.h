#pragma once

#include "cli/command.h"

#include <memory>
#include <vector>

namespace vantorix::cli {

// Every subcommand of vantorix-cli, in the order --help lists them.
class CommandRegistry
{
public:
    CommandRegistry();

    const std::vector<std::unique_ptr<Command>> &commands() const { return m_commands; }
    // The command called `name`, or null.
    Command *find(const QString &name) const;

private:
    template <typename T> void add() { m_commands.push_back(std::make_unique<T>()); }

    std::vector<std::unique_ptr<Command>> m_commands;
};

} // namespace vantorix::cli
