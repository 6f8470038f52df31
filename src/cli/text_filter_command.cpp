#include "cli/text_filter_command.h"

#include "cli/command_context.h"

#include <QCoreApplication>

namespace vantorix::cli {

QString TextFilterCommand::details() const
{
    const QString kept =
        m_filter == list::TextFilter::Containing
            ? QCoreApplication::translate("contains", "Keeps the keywords that contain TEXT")
            : QCoreApplication::translate("contains", "Keeps the keywords that do not contain TEXT "
                                                      "(empty lines included)");
    return kept + QCoreApplication::translate(
                      "contains",
                      ", in their order and unchanged.\n"
                      "TEXT is trimmed of spaces and letter case is ignored; when nothing is\n"
                      "left of it the keywords are written back unchanged.\n");
}

int TextFilterCommand::prepare(CommandContext &ctx)
{
    m_argument = ctx.arguments.value(0);
    return 0;
}

void TextFilterCommand::transform(QByteArrayView utf8, list::TextLayout layout, list::ByteSink &out)
{
    list::filterByTextUtf8(utf8, layout, m_argument, m_filter, out);
}

} // namespace vantorix::cli
