#include "cli/export_command.h"

#include "cli/command_context.h"
#include "list/utf8_tools.h"

namespace vantorix::cli {

QString ExportCommand::name() const
{
    return QStringLiteral("export");
}

QString ExportCommand::summary() const
{
    return QStringLiteral("join the keywords with commas, bars or line breaks");
}

QString ExportCommand::arguments() const
{
    return QStringLiteral("comma|bar|newline");
}

QString ExportCommand::details() const
{
    return QStringLiteral("Writes every keyword followed by the separator: ',' for comma, '|' for\n"
                          "bar, a line break for newline. Keywords are not trimmed, de-duplicated\n"
                          "or otherwise changed; an empty line becomes two separators in a row.\n"
                          "Without --raw a comma or bar export is one line, ending in LF. With\n"
                          "--raw every CRLF of the list text is replaced by the separator, a\n"
                          "lone CR or LF stays, and nothing is added (newline keeps CRLF).\n\n") +
           layoutDetails();
}

int ExportCommand::prepare(CommandContext &ctx)
{
    const Result<list::ExportSeparator> separator =
        list::parseExportSeparator(ctx.arguments.value(0));
    if (!separator)
        return ctx.usageError(separator.error());
    m_separator = *separator;
    return 0;
}

void ExportCommand::transform(QByteArrayView utf8, list::TextLayout layout, list::ByteSink &out)
{
    list::exportUtf8(utf8, layout, m_separator, out);
}

} // namespace vantorix::cli
