#pragma once

#include "cli/text_filter_command.h"

namespace vantorix::cli {

// `excludes TEXT`: the keywords that do not contain TEXT, letter case ignored.
class ExcludesCommand : public TextFilterCommand
{
public:
    ExcludesCommand() : TextFilterCommand(list::TextFilter::NotContaining) {}

    QString name() const override { return QStringLiteral("excludes"); }
    QString summary() const override
    {
        return QStringLiteral("drop the keywords that contain TEXT");
    }
};

} // namespace vantorix::cli
