#pragma once

#include "cli/command.h"

namespace vantorix::cli {

// `group`: the keywords of standard input grouped by their root (词根).
class GroupCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("group"); }
    QString summary() const override;
    QString details() const override;
    QList<CommandOption> options() const override;
    int run(CommandContext &ctx) override;
};

} // namespace vantorix::cli
