#pragma once

#include "cli/list_tool_command.h"
#include "list/export_text.h"

namespace vantorix::cli {

// `export comma|bar|newline`: the list with its separators replaced.
class ExportCommand : public ListToolCommand
{
public:
    QString name() const override;
    QString summary() const override;
    QString details() const override;
    QString arguments() const override;
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 1; }

protected:
    int prepare(CommandContext &ctx) override;
    void transform(QByteArrayView utf8, list::TextLayout layout, list::ByteSink &out) override;

private:
    list::ExportSeparator m_separator = list::ExportSeparator::Newline;
};

} // namespace vantorix::cli
