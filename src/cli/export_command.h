#pragma once

#include "cli/list_tool_command.h"
#include "list/export_text.h"
#include "spreadsheet/sheet.h"

namespace vantorix::cli {

// `export comma|bar|newline`: the list with its separators replaced.
// `export xlsx|csv FILE`: the keywords as a spreadsheet file.
class ExportCommand : public ListToolCommand
{
public:
    int run(CommandContext &ctx) override;
    QString name() const override;
    QStringList examples() const override
    {
        return {
            QStringLiteral("vantorix-cli export comma < keywords.txt"),
            QStringLiteral("vantorix-cli export xlsx 长尾词.xlsx < keywords.txt"),
        };
    }
    QString summary() const override;
    QString details() const override;
    QString arguments() const override;
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 2; }

protected:
    int prepare(CommandContext &ctx) override;
    void transform(QByteArrayView utf8, list::TextLayout layout, list::ByteSink &out) override;

private:
    int exportSheet(CommandContext &ctx, spreadsheet::SheetFormat format);

    list::ExportSeparator m_separator = list::ExportSeparator::Newline;
};

} // namespace vantorix::cli
