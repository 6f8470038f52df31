#pragma once

#include "cli/text_filter_command.h"

#include <QCoreApplication>

namespace vantorix::cli {

// `excludes TEXT`: the keywords that do not contain TEXT, letter case ignored.
class ExcludesCommand : public TextFilterCommand
{
public:
    ExcludesCommand() : TextFilterCommand(list::TextFilter::NotContaining) {}

    QString name() const override { return QStringLiteral("excludes"); }
    QStringList examples() const override
    {
        return {
            QStringLiteral("vantorix-cli excludes 广告 < keywords.txt"),
            QStringLiteral("vantorix-cli dedupe < a.txt | vantorix-cli excludes 免费"),
        };
    }
    QString summary() const override
    {
        return QCoreApplication::translate("excludes", "drop the keywords that contain TEXT");
    }
};

} // namespace vantorix::cli
