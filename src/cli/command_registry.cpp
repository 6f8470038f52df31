#include "cli/command_registry.h"

#include "cli/contains_command.h"
#include "cli/dedupe_command.h"
#include "cli/excludes_command.h"
#include "cli/export_command.h"
#include "cli/group_command.h"
#include "cli/hotwords_command.h"
#include "cli/longer_than_command.h"
#include "cli/mine/command.h"
#include "cli/shuffle_command.h"

namespace vantorix::cli {

CommandRegistry::CommandRegistry()
{
    add<DedupeCommand>();
    add<ShuffleCommand>();
    add<ContainsCommand>();
    add<ExcludesCommand>();
    add<LongerThanCommand>();
    add<ExportCommand>();
    add<GroupCommand>();
    add<MineCommand>();
    add<HotwordsCommand>();
}

Command *CommandRegistry::find(const QString &name) const
{
    for (const auto &command : m_commands) {
        if (command->name() == name)
            return command.get();
    }
    return nullptr;
}

} // namespace vantorix::cli
