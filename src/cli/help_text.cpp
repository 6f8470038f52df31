#include "cli/help_text.h"

#include "cli/command_line.h"
#include "config/settings.h"

#include <QCoreApplication>

namespace vantorix::cli {

namespace {

QString synopsis(const Command &command)
{
    QString text = command.name();
    if (!command.options().isEmpty())
        text += QStringLiteral(" [OPTIONS]");
    if (!command.arguments().isEmpty())
        text += QLatin1Char(' ') + command.arguments();
    return text;
}

QString globalOptionHelp()
{
    return config::optionHelp(config::specsOf(globalOptionTable())) +
           config::helpRow(QStringLiteral("--"),
                           QCoreApplication::translate(
                               "cli", "ends the options: longer-than -- -1 (an option's own\n"
                                      "value may be negative: mine --limit -5)"));
}

QString keywordListHelp()
{
    return QCoreApplication::translate(
        "cli", "\nKeyword lists (dedupe, shuffle, contains, excludes, longer-than, export,\n"
               "group): input is read from standard input, one keyword a line; a line ends\n"
               "at LF or CRLF and a lone CR stays part of its keyword. Output is one keyword\n"
               "a line, ending in LF. With --raw, standard input is the exact list text\n"
               "(keywords separated by CRLF) and standard output is exactly the text the\n"
               "window's list holds after the same tool. Text is UTF-8, or GBK with\n"
               "--encoding gbk; bytes that are not UTF-8 pass through unchanged.\n");
}

QString networkOptionHelp()
{
    return QCoreApplication::translate("cli",
                                       "\nNetwork options (environment variable in brackets):\n") +
           config::optionHelp(config::settingsOptions());
}

} // namespace

QString generalHelp(const CommandRegistry &registry)
{
    QString text = QCoreApplication::translate(
        "cli", "Usage: vantorix-cli [OPTIONS] COMMAND [ARGUMENTS]\n"
               "\n"
               "Long-tail keyword tool for the command line: mining, hot-word lists and\n"
               "the keyword list tools.\n"
               "\n"
               "Commands:\n");
    for (const auto &command : registry.commands())
        text += config::helpRow(synopsis(*command), command->summary());
    text += config::helpRow(QStringLiteral("help [COMMAND]"),
                            QCoreApplication::translate("cli", "show help for a command"));
    text += keywordListHelp();
    text +=
        QCoreApplication::translate("cli", "\nOptions, before or after the command:\n") +
        globalOptionHelp() + networkOptionHelp() +
        QCoreApplication::translate(
            "cli", "\nExit status: 0 done, 1 failed, 2 usage error, 3 incomplete (mine: queries\n"
                   "failed or stayed blocked).\n");
    return text;
}

QString commandHelp(const Command &command)
{
    QString summary = command.summary();
    if (!summary.isEmpty())
        summary[0] = summary[0].toUpper();
    QString text =
        QCoreApplication::translate("cli", "Usage: vantorix-cli %1").arg(synopsis(command)) +
        QStringLiteral("\n\n") + QCoreApplication::translate("cli", "%1.").arg(summary) +
        QLatin1Char('\n');
    if (!command.details().isEmpty())
        text += QLatin1Char('\n') + command.details().trimmed() + QLatin1Char('\n');
    if (command.readsKeywordList())
        text += QCoreApplication::translate(
            "cli", "\nInput and output: see 'vantorix-cli --help' (keyword lists).\n");
    if (!command.options().isEmpty())
        text += QCoreApplication::translate("cli", "\nOptions:\n") +
                config::optionHelp(command.options());
    text += QCoreApplication::translate("cli", "\nGlobal options:\n") + globalOptionHelp();
    if (command.isAsynchronous())
        text += networkOptionHelp();
    if (!command.examples().isEmpty())
        text += QCoreApplication::translate("cli", "\nExamples:\n") + QStringLiteral("  ") +
                command.examples().join(QStringLiteral("\n  ")) + QLatin1Char('\n');
    return text;
}

QString helpCommandHelp()
{
    return QCoreApplication::translate(
        "cli", "Usage: vantorix-cli help [COMMAND]\n\n"
               "Shows the help of COMMAND, or the general help without one.\n\n"
               "Examples:\n  vantorix-cli help mine\n  vantorix-cli help\n");
}

QString versionText()
{
    return QStringLiteral("vantorix-cli ") + QLatin1String(VANTORIX_VERSION) + QLatin1Char('\n');
}

} // namespace vantorix::cli
