#include "cli/command_line.h"

namespace vantorix::cli {

namespace {

const QString kEncoding = QStringLiteral("--encoding");

bool isOptionToken(const QString &arg)
{
    return arg.size() > 1 && arg.startsWith(QLatin1Char('-'));
}

// "--name" and "--name=value" split apart; the value is null without "=".
std::pair<QString, QString> splitOption(const QString &arg)
{
    const qsizetype equals = arg.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {arg, QString()};
    return {arg.left(equals), arg.mid(equals + 1)};
}

bool takesValueInAnyCommand(const QString &flag, const CommandRegistry &registry)
{
    if (!flag.startsWith(QLatin1String("--")))
        return false;
    for (const auto &command : registry.commands()) {
        const auto option = command->findOption(flag.mid(2));
        if (option && !option->valueName.isEmpty())
            return true;
    }
    return false;
}

// How many tokens the option at args[i] spans, judged without knowing the
// command (any command's option counts), to find the command name.
qsizetype optionWidth(const QStringList &args, qsizetype i, const CommandRegistry &registry)
{
    config::Settings scratch;
    QString ignored;
    qsizetype next = i;
    if (config::takeSettingsOption(args, next, scratch, ignored))
        return next - i;
    const auto [flag, value] = splitOption(args.at(i));
    if (!value.isNull())
        return 1;
    return (flag == kEncoding || takesValueInAnyCommand(flag, registry)) ? 2 : 1;
}

class Parser
{
public:
    Parser(const QStringList &args, const CommandRegistry &registry, CommandLine &out)
        : m_args(args), m_registry(registry), m_out(out)
    {
    }

    void run()
    {
        const qsizetype commandIndex = findCommand();
        if (commandIndex >= 0) {
            m_out.commandName = m_args.at(commandIndex);
            m_out.command = m_registry.find(m_out.commandName);
        }
        bool optionsEnded = false;
        for (qsizetype i = 0; i < m_args.size();) {
            const QString &arg = m_args.at(i);
            if (i == commandIndex) {
                ++i;
            } else if (!optionsEnded && arg == QLatin1String("--")) {
                optionsEnded = true;
                ++i;
            } else if (optionsEnded || !isOptionToken(arg)) {
                m_out.arguments.append(arg);
                ++i;
            } else {
                i = takeOption(i);
            }
        }
    }

private:
    qsizetype findCommand() const
    {
        bool optionsEnded = false;
        for (qsizetype i = 0; i < m_args.size();) {
            const QString &arg = m_args.at(i);
            if (!optionsEnded && arg == QLatin1String("--")) {
                optionsEnded = true;
                ++i;
            } else if (!optionsEnded && isOptionToken(arg)) {
                i += optionWidth(m_args, i, m_registry);
            } else {
                return i;
            }
        }
        return -1;
    }

    void setError(const QString &message)
    {
        if (m_out.error.isEmpty())
            m_out.error = message;
    }

    // The value of the option at args[i]: after "=", or the next token.
    // Advances `i` past it; false when it is missing.
    bool takeValue(qsizetype &i, const QString &flag, const QString &inlineValue, QString *value)
    {
        if (!inlineValue.isNull()) {
            *value = inlineValue;
            i += 1;
            return true;
        }
        if (i + 1 >= m_args.size()) {
            setError(flag + QStringLiteral(" needs a value"));
            i += 1;
            return false;
        }
        *value = m_args.at(i + 1);
        i += 2;
        return true;
    }

    qsizetype takeOption(qsizetype i)
    {
        const QString &arg = m_args.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            m_out.help = true;
            return i + 1;
        }
        if (arg == QLatin1String("--version")) {
            m_out.version = true;
            return i + 1;
        }
        if (arg == QLatin1String("--raw")) {
            m_out.raw = true;
            return i + 1;
        }
        QString error;
        qsizetype next = i;
        if (config::takeSettingsOption(m_args, next, m_out.settings, error)) {
            if (!error.isEmpty())
                setError(error);
            return next;
        }
        const auto [flag, inlineValue] = splitOption(arg);
        if (flag == kEncoding) {
            QString name;
            if (takeValue(i, flag, inlineValue, &name) && !parseEncoding(name, &m_out.encoding))
                setError(QStringLiteral("unknown encoding '%1' (use utf-8 or gbk)").arg(name));
            return i;
        }
        const auto option = (m_out.command && flag.startsWith(QLatin1String("--")))
                                ? m_out.command->findOption(flag.mid(2))
                                : std::nullopt;
        if (!option) {
            setError(unknownOption(arg));
            return i + 1;
        }
        if (option->valueName.isEmpty()) {
            if (!inlineValue.isNull())
                setError(flag + QStringLiteral(" takes no value"));
            m_out.options.insert(option->name, QString());
            return i + 1;
        }
        QString value;
        if (takeValue(i, flag, inlineValue, &value))
            m_out.options.insert(option->name, value);
        return i;
    }

    QString unknownOption(const QString &arg) const
    {
        QString message = QStringLiteral("unknown option '%1'").arg(arg);
        if (arg.size() > 1 && (arg.at(1).isDigit() || arg.at(1) == QLatin1Char('.')))
            message += QStringLiteral("; put '--' before a negative number");
        else if (m_out.command)
            message += QStringLiteral(" for '%1'").arg(m_out.commandName);
        return message;
    }

    const QStringList &m_args;
    const CommandRegistry &m_registry;
    CommandLine &m_out;
};

} // namespace

CommandLine parseCommandLine(const QStringList &args, const CommandRegistry &registry,
                             const config::Settings &settings)
{
    CommandLine line;
    line.settings = settings;
    Parser(args, registry, line).run();
    return line;
}

} // namespace vantorix::cli
