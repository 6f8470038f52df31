#include "cli/command_line.h"

#include "config/settings.h"

#include <QCoreApplication>

namespace vantorix::cli {

namespace {

Result<CommandLine> parseWith(const QStringList &args, const QList<config::OptionSpec> &options)
{
    Result<config::ParsedOptions> given = config::parseOptions(args, options);
    if (!given)
        return failure(given.error());
    CommandLine line;
    line.options = std::move(*given);
    line.commandName = line.options.positional.value(0);
    line.arguments = line.options.positional.mid(1);
    if (const Result<> applied = config::applyGiven(globalOptionTable(), line.options, line.global);
        !applied)
        return failure(applied.error());
    return line;
}

QList<config::OptionSpec> withNetworkOptions(QList<config::OptionSpec> options)
{
    return config::specsOf(globalOptionTable()) + options + config::settingsOptions();
}

} // namespace

const config::OptionTable<GlobalArgs> &globalOptionTable()
{
    using config::switchOption;
    static const config::OptionTable<GlobalArgs> table = {
        switchOption<GlobalArgs>({QStringLiteral("raw"),
                                  {},
                                  QStringLiteral(QT_TRANSLATE_NOOP(
                                      "options", "read and write the exact list text: keywords\n"
                                                 "separated by CRLF, written back exactly as the\n"
                                                 "window's list would hold them"))},
                                 &GlobalArgs::raw),
        {{QStringLiteral("encoding"), QStringLiteral("utf-8|gbk"),
          QStringLiteral(QT_TRANSLATE_NOOP(
              "options", "encoding of standard input and output (utf-8;\n"
                         "input that is not UTF-8 but GB18030 is read as GB18030)"))},
         [](GlobalArgs &args, const QString &name) -> Result<> {
             const Result<TextEncoding> encoding = parseEncoding(name);
             if (!encoding)
                 return failure(encoding.error());
             args.encoding = *encoding;
             args.encodingGiven = true;
             return {};
         }},
        switchOption(config::helpOption(), &GlobalArgs::help),
        switchOption(config::versionOption(), &GlobalArgs::version),
    };
    return table;
}

Result<CommandLine> findCommand(const QStringList &args, const CommandRegistry &registry)
{
    QList<config::OptionSpec> options = withNetworkOptions({});
    QStringList names;
    for (const config::OptionSpec &option : options)
        names.append(option.name);
    for (const auto &command : registry.commands()) {
        for (const config::OptionSpec &option : command->options()) {
            // Commands sharing an option name give it the same kind of value.
            if (!names.contains(option.name)) {
                names.append(option.name);
                options.append(option);
            }
        }
    }
    return parseWith(args, options);
}

Result<CommandLine> parseForCommand(const QStringList &args, const Command &command)
{
    Result<CommandLine> line = parseWith(args, withNetworkOptions(command.options()));
    if (!line)
        return failure(line.error() +
                       QCoreApplication::translate("cli", " for '%1'").arg(command.name()));
    return line;
}

} // namespace vantorix::cli
