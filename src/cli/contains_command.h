#pragma once

#include "cli/text_filter_command.h"

#include <QCoreApplication>

namespace vantorix::cli {

// `contains TEXT`: the keywords that contain TEXT, letter case ignored.
class ContainsCommand : public TextFilterCommand
{
public:
    ContainsCommand() : TextFilterCommand(list::TextFilter::Containing) {}

    QString name() const override { return QStringLiteral("contains"); }
    QStringList examples() const override
    {
        return {
            QStringLiteral("vantorix-cli contains 减肥 < keywords.txt"),
            QStringLiteral("vantorix-cli --encoding gbk contains 价格 < gbk.txt"),
        };
    }
    QString summary() const override
    {
        return QCoreApplication::translate("contains", "keep the keywords that contain TEXT");
    }
};

} // namespace vantorix::cli
