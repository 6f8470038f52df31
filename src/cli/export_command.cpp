#include "cli/export_command.h"

#include "cli/command_context.h"
#include "cli/interrupt.h"
#include "cli/keyword_input.h"
#include "list/output_file.h"
#include "list/utf8_tools.h"

#include <QCoreApplication>

namespace vantorix::cli {

QString ExportCommand::name() const
{
    return QStringLiteral("export");
}

QString ExportCommand::summary() const
{
    return QCoreApplication::translate("export",
                                       "join the keywords, or write them as an xlsx or csv FILE");
}

QString ExportCommand::arguments() const
{
    return QStringLiteral("comma|bar|newline|xlsx|csv [FILE]");
}

QString ExportCommand::details() const
{
    return QCoreApplication::translate(
        "export", "FILE goes with xlsx and csv only.\n\n"
                  "Writes every keyword followed by the separator: ',' for comma, '|' for\n"
                  "bar, a line break for newline. Keywords are not trimmed, de-duplicated\n"
                  "or otherwise changed; an empty line becomes two separators in a row.\n"
                  "Without --raw a comma or bar export is one line, ending in LF. With\n"
                  "--raw every CRLF of the list text is replaced by the separator, a\n"
                  "lone CR or LF stays, and nothing is added (newline keeps CRLF).\n\n"
                  "xlsx and csv write the keywords to FILE instead, one a row under the\n"
                  "title 关键词, empty lines left out. The Excel workbook has a frozen\n"
                  "title row with a filter and columns as wide as the text; each keyword\n"
                  "is a text cell, never a formula. The CSV file is UTF-8 with a byte\n"
                  "order mark, quoted as RFC 4180 asks; a keyword that begins with = + -\n"
                  "@ ', a tab or a carriage return gets one leading ' so that a\n"
                  "spreadsheet shows it as text (drop it to read the keyword back). A\n"
                  "cell holds at most 32767 characters: a longer keyword is cut, and a\n"
                  "warning names its row. FILE is checked before the input is read, and\n"
                  "replaced only once it is complete.\n");
}

int ExportCommand::run(CommandContext &ctx)
{
    if (const auto format = spreadsheet::parseSheetFormat(ctx.arguments.value(0)))
        return exportSheet(ctx, *format);
    return ListToolCommand::run(ctx);
}

int ExportCommand::prepare(CommandContext &ctx)
{
    const QString name = ctx.arguments.value(0);
    const std::optional<list::ExportSeparator> separator = list::parseExportSeparator(name);
    if (!separator)
        return ctx.usageError(
            QCoreApplication::translate("export",
                                        "export needs comma, bar, newline, xlsx or csv, not '%1'")
                .arg(name));
    m_separator = *separator;
    if (ctx.arguments.size() > 1)
        return ctx.usageError(QCoreApplication::translate(
                                  "export", "export %1 writes to standard output and takes no "
                                            "file")
                                  .arg(name));
    return 0;
}

int ExportCommand::exportSheet(CommandContext &ctx, spreadsheet::SheetFormat format)
{
    const QString path = ctx.arguments.value(1);
    if (path.isEmpty())
        return ctx.usageError(
            QCoreApplication::translate("export", "export %1 needs the FILE to write")
                .arg(ctx.arguments.value(0)));
    if (const Result<> writable = list::checkOutputFile(path); !writable)
        return ctx.fail(QCoreApplication::translate("export", "cannot write %1: %2")
                            .arg(path, writable.error()));
    stopAtInterrupt();
    StandardInput input;
    if (!ctx.readInput(input))
        return 1;
    const KeywordText keywords =
        readKeywords(input.utf8(), ctx.raw ? list::TextLayout::List : list::TextLayout::Lines);
    const HeldAbort held;
    const Result<spreadsheet::SheetWritten> written =
        spreadsheet::writeSheet(path, spreadsheet::keywordSheet(keywords.keywords), format,
                                [&held] { return held.requested(); });
    if (!written)
        return ctx.fail(QCoreApplication::translate("export", "cannot write %1: %2")
                            .arg(path, written.error()));
    if (const QString warning = written->warning(); !warning.isEmpty())
        ctx.fail(QCoreApplication::translate("export", "warning: ") + warning);
    return 0;
}

void ExportCommand::transform(QByteArrayView utf8, list::TextLayout layout, list::ByteSink &out)
{
    list::exportUtf8(utf8, layout, m_separator, out);
}

} // namespace vantorix::cli
