#pragma once

#include "cli/command.h"
#include "cli/record_format.h"
#include "mining/query_plan.h"
#include "spreadsheet/sheet.h"

#include <optional>

namespace vantorix::cli {

// The flags of `mine`; numbers of the mining panel stay text, read as the
// window reads its boxes.
struct MineArgs
{
    QString limit;
    QString longerThan;
    std::optional<QString> contains;
    std::optional<QStringList> markers;
    std::optional<mining::SourceChoice> source;
    std::optional<mining::Expansion> expansion;
    std::optional<QStringList> engines; // in the order given, each once
    int maxQueries = 0;
    int maxFailures;
    QString state;
    QString seen;
    QString output;
    QString formatName; // as given
    std::optional<RecordFormat> format;
    std::optional<spreadsheet::SheetFormat> sheet;
    bool quiet = false;

    MineArgs();
};

// `mine [SEED]`: long-tail mining from a seed keyword, as the window's
// mining panel does it, printing the keywords as they are found.
class MineCommand : public CommandWithOptions<MineArgs>
{
public:
    QString name() const override { return QStringLiteral("mine"); }
    QStringList examples() const override
    {
        return {
            QStringLiteral("vantorix-cli --sandbox mine 减肥 --limit 200"),
            QStringLiteral("vantorix-cli mine 减肥 --limit 5000 --state run.state"),
            QStringLiteral("vantorix-cli mine 英语培训 --format xlsx --output 英语培训.xlsx"),
        };
    }
    QString summary() const override;
    QString arguments() const override { return QStringLiteral("[SEED]"); }
    QString details() const override;
    int maxArguments() const override { return 1; }
    bool isAsynchronous() const override { return true; }
    void start(CommandContext &ctx) override;

protected:
    const config::OptionTable<MineArgs> &optionTable() const override;
};

} // namespace vantorix::cli
