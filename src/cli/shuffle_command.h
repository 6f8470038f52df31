#pragma once

#include "cli/list_tool_command.h"

namespace vantorix::cli {

// `shuffle`: the keywords in uniform random order, empty lines dropped.
class ShuffleCommand : public ListToolCommand
{
public:
    QString name() const override;
    QStringList examples() const override
    {
        return {
            QStringLiteral("vantorix-cli shuffle < keywords.txt > shuffled.txt"),
            QStringLiteral("vantorix-cli dedupe < a.txt | vantorix-cli shuffle"),
        };
    }
    QString summary() const override;
    QString details() const override;

protected:
    void transform(QByteArrayView utf8, list::TextLayout layout, list::ByteSink &out) override;
};

} // namespace vantorix::cli
