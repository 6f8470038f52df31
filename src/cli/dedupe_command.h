#pragma once

#include "cli/list_tool_command.h"

namespace vantorix::cli {

// `dedupe`: the first copy of every keyword, blank lines dropped.
class DedupeCommand : public ListToolCommand
{
public:
    QString name() const override;
    QStringList examples() const override
    {
        return {
            QStringLiteral("vantorix-cli dedupe < keywords.txt > unique.txt"),
            QStringLiteral("vantorix-cli --raw dedupe < list.txt"),
        };
    }
    QString summary() const override;
    QString details() const override;

protected:
    void transform(QByteArrayView utf8, list::TextLayout layout, list::ByteSink &out) override;
};

} // namespace vantorix::cli
