#include "cli/list_tool_command.h"

#include "cli/command_context.h"

namespace vantorix::cli {

int ListToolCommand::prepare(CommandContext &)
{
    return 0;
}

int ListToolCommand::run(CommandContext &ctx)
{
    if (const int status = prepare(ctx))
        return status;
    StandardInput input;
    if (!ctx.readInput(input))
        return 1;
    const auto layout = ctx.raw ? list::TextLayout::List : list::TextLayout::Lines;
    transform(input.utf8(), layout, ctx.out().utf8Sink());
    return 0;
}

QString ListToolCommand::layoutDetails()
{
    return QStringLiteral(
        "Input is read from standard input, one keyword a line; a line ends at LF\n"
        "or CRLF and a lone CR stays part of its keyword. Output is one keyword a\n"
        "line, ending in LF. With --raw, standard input is the exact list text\n"
        "(keywords separated by CRLF) and standard output is exactly the text the\n"
        "window's list holds after the same tool. Text is UTF-8, or GBK with\n"
        "--encoding gbk; bytes that are not UTF-8 pass through unchanged.\n");
}

} // namespace vantorix::cli
