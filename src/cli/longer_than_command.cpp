#include "cli/longer_than_command.h"

#include "cli/command_context.h"
#include "config/bound_option.h"
#include "list/filters.h"
#include "list/utf8_tools.h"

#include <QCoreApplication>
#include <limits>

namespace vantorix::cli {

QString LongerThanCommand::name() const
{
    return QStringLiteral("longer-than");
}

QString LongerThanCommand::summary() const
{
    return QCoreApplication::translate("longer-than", "keep the keywords longer than N characters");
}

QString LongerThanCommand::arguments() const
{
    return QStringLiteral("N");
}

QString LongerThanCommand::details() const
{
    return QCoreApplication::translate(
        "longer-than", "Keeps the keywords whose length is greater than N. A Chinese character\n"
                       "counts as one; a character outside the Basic Multilingual Plane counts\n"
                       "as two. N is a decimal number, rounded down (2.9 is 2, -0.5 is -1);\n"
                       "a negative N keeps every line, empty ones included. Put '--' before a\n"
                       "negative number: vantorix-cli longer-than -- -1\n");
}

int LongerThanCommand::prepare(CommandContext &ctx)
{
    const QString text = ctx.arguments.value(0);
    const std::optional<int> number = list::parseFlooredNumber(text);
    if (!number)
        return ctx.usageError(QStringLiteral("longer-than: ") +
                              config::notANumber(text, std::numeric_limits<int>::min(),
                                                 std::numeric_limits<int>::max()));
    m_minLength = *number;
    return 0;
}

void LongerThanCommand::transform(QByteArrayView utf8, list::TextLayout layout, list::ByteSink &out)
{
    list::filterLongerThanUtf8(utf8, layout, m_minLength, out);
}

} // namespace vantorix::cli
