#pragma once

#include "cli/command.h"

namespace vantorix::cli {

// `mine [SEED]`: long-tail mining from a seed keyword, as the window's
// mining panel does it, printing the keywords as they are found.
class MineCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("mine"); }
    QString summary() const override;
    QString arguments() const override { return QStringLiteral("[SEED]"); }
    QString details() const override;
    QList<CommandOption> options() const override;
    int maxArguments() const override { return 1; }
    bool isAsynchronous() const override { return true; }
    void start(CommandContext &ctx) override;
};

} // namespace vantorix::cli
