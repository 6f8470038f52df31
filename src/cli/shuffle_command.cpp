#include "cli/shuffle_command.h"

#include "list/utf8_tools.h"

#include <QCoreApplication>

namespace vantorix::cli {

QString ShuffleCommand::name() const
{
    return QStringLiteral("shuffle");
}

QString ShuffleCommand::summary() const
{
    return QCoreApplication::translate("shuffle", "put the keywords in random order");
}

QString ShuffleCommand::details() const
{
    return QCoreApplication::translate(
        "shuffle", "Every order is equally likely. Empty lines are dropped; lines of\n"
                   "spaces and repeated keywords stay.\n");
}

void ShuffleCommand::transform(QByteArrayView utf8, list::TextLayout layout, list::ByteSink &out)
{
    // A fresh generator per run, seeded from the system's entropy source.
    QRandomGenerator random = QRandomGenerator::securelySeeded();
    list::shuffleUtf8(utf8, layout, random, out);
}

} // namespace vantorix::cli
