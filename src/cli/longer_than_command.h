#pragma once

#include "cli/list_tool_command.h"

namespace vantorix::cli {

// `longer-than N`: the keywords longer than N characters.
class LongerThanCommand : public ListToolCommand
{
public:
    QString name() const override;
    QStringList examples() const override
    {
        return {
            QStringLiteral("vantorix-cli longer-than 4 < keywords.txt"),
            QStringLiteral("vantorix-cli longer-than -- -1 < keywords.txt"),
        };
    }
    QString summary() const override;
    QString details() const override;
    QString arguments() const override;
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 1; }

protected:
    int prepare(CommandContext &ctx) override;
    void transform(QByteArrayView utf8, list::TextLayout layout, list::ByteSink &out) override;

private:
    int m_minLength = 0;
};

} // namespace vantorix::cli
