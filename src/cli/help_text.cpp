#include "cli/help_text.h"

#include "config/settings.h"

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

QString row(const QString &left, const QString &right)
{
    return QStringLiteral("  ") + left.leftJustified(26) + QLatin1Char(' ') + right +
           QLatin1Char('\n');
}

const char *const kGlobalOptions =
    "  --raw                      read and write the exact list text: keywords\n"
    "                             separated by CRLF, written back exactly as the\n"
    "                             window's list would hold them\n"
    "  --encoding utf-8|gbk       encoding of standard input and output (utf-8)\n"
    "  -h, --help                 show help (also: help COMMAND)\n"
    "  --version                  show the version\n"
    "  --                         ends the options: `longer-than -- -1`\n";

} // namespace

QString generalHelp(const CommandRegistry &registry)
{
    QString text =
        QStringLiteral("Usage: vantorix-cli [OPTIONS] COMMAND [ARGUMENTS]\n"
                       "\n"
                       "Long-tail keyword tool for the command line: mining, hot-word lists and\n"
                       "the keyword list tools. List tools read keywords from standard input, one\n"
                       "a line (LF or CRLF), and write the result to standard output.\n"
                       "\n"
                       "Commands:\n");
    for (const auto &command : registry.commands())
        text += row(synopsis(*command), command->summary());
    text += row(QStringLiteral("help [COMMAND]"), QStringLiteral("show help for a command"));
    text += QStringLiteral("\nOptions, before or after the command:\n") +
            QLatin1String(kGlobalOptions) +
            QStringLiteral("\nNetwork options (environment variable in brackets):\n") +
            config::settingsHelp() +
            QStringLiteral("\nExit status: 0 done, 1 failed, 2 usage error.\n");
    return text;
}

QString commandHelp(const Command &command)
{
    QString summary = command.summary();
    if (!summary.isEmpty())
        summary[0] = summary[0].toUpper();
    QString text = QStringLiteral("Usage: vantorix-cli ") + synopsis(command) +
                   QStringLiteral("\n\n") + summary + QStringLiteral(".\n");
    if (!command.details().isEmpty())
        text += QLatin1Char('\n') + command.details().trimmed() + QLatin1Char('\n');
    const QList<CommandOption> options = command.options();
    if (!options.isEmpty()) {
        text += QStringLiteral("\nOptions:\n");
        for (const CommandOption &option : options) {
            QString flag = QStringLiteral("--") + option.name;
            if (!option.valueName.isEmpty())
                flag += QLatin1Char(' ') + option.valueName;
            text += row(flag, option.description);
        }
    }
    text += QStringLiteral("\nGlobal options:\n") + QLatin1String(kGlobalOptions);
    if (command.isAsynchronous())
        text += QStringLiteral("\nNetwork options (environment variable in brackets):\n") +
                config::settingsHelp();
    return text;
}

QString versionText()
{
    return QStringLiteral("vantorix-cli ") + QLatin1String(VANTORIX_VERSION) + QLatin1Char('\n');
}

} // namespace vantorix::cli
