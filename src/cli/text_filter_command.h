#pragma once

#include "cli/list_tool_command.h"
#include "list/utf8_tools.h"

namespace vantorix::cli {

// What `contains` and `excludes` share: one TEXT argument and the filter.
class TextFilterCommand : public ListToolCommand
{
public:
    explicit TextFilterCommand(list::TextFilter filter) : m_filter(filter) {}

    QString arguments() const override { return QStringLiteral("TEXT"); }
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 1; }
    QString details() const override;

protected:
    int prepare(CommandContext &ctx) override;
    void transform(QByteArrayView utf8, list::TextLayout layout, list::ByteSink &out) override;

private:
    list::TextFilter m_filter;
    QString m_argument;
};

} // namespace vantorix::cli
