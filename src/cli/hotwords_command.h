#pragma once

#include "cli/command.h"

namespace vantorix::cli {

// `hotwords SOURCE`: fetches one of the six hot-word ranking pages and prints
// its words, as the window's hot-word button appends them to the list.
struct HotwordsArgs
{
    bool quiet = false;
};

class HotwordsCommand : public CommandWithOptions<HotwordsArgs>
{
public:
    QString name() const override { return QStringLiteral("hotwords"); }
    QStringList examples() const override
    {
        return {
            QStringLiteral("vantorix-cli hotwords baidu-today"),
            QStringLiteral("vantorix-cli --sandbox hotwords sogou-week --dump-file words.txt"),
        };
    }
    QString summary() const override;
    QString arguments() const override { return QStringLiteral("SOURCE"); }
    QString details() const override;
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 1; }
    bool isAsynchronous() const override { return true; }
    void start(CommandContext &ctx) override;

protected:
    const config::OptionTable<HotwordsArgs> &optionTable() const override;
};

} // namespace vantorix::cli
