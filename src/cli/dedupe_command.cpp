#include "cli/dedupe_command.h"

#include "list/utf8_tools.h"

#include <QCoreApplication>

namespace vantorix::cli {

QString DedupeCommand::name() const
{
    return QStringLiteral("dedupe");
}

QString DedupeCommand::summary() const
{
    return QCoreApplication::translate("dedupe", "remove repeated and blank keywords");
}

QString DedupeCommand::details() const
{
    return QCoreApplication::translate(
        "dedupe", "Keeps the first copy of every keyword where it first stood. Keywords\n"
                  "are compared exactly: letter case and spaces count. Empty lines and\n"
                  "lines of spaces only are dropped. With --raw the result starts with\n"
                  "an empty line (a leading CRLF), as the window's list does.\n");
}

void DedupeCommand::transform(QByteArrayView utf8, list::TextLayout layout, list::ByteSink &out)
{
    list::dedupeUtf8(utf8, layout, out);
}

} // namespace vantorix::cli
