#pragma once

#include "cli/command.h"
#include "cli/record_format.h"
#include "list/root_groups.h"

#include <optional>

namespace vantorix::cli {

struct GroupArgs
{
    int minSize = list::kDefaultMinGroupSize;
    std::optional<RecordFormat> format; // unset: lines
};

// `group`: the keywords of standard input grouped by their root (词根).
class GroupCommand : public CommandWithOptions<GroupArgs>
{
public:
    QString name() const override { return QStringLiteral("group"); }
    QStringList examples() const override
    {
        return {
            QStringLiteral("vantorix-cli group < keywords.txt"),
            QStringLiteral("vantorix-cli group --min-size 5 --format tsv < keywords.txt"),
        };
    }
    QString summary() const override;
    QString details() const override;
    int run(CommandContext &ctx) override;

protected:
    const config::OptionTable<GroupArgs> &optionTable() const override;
};

} // namespace vantorix::cli
