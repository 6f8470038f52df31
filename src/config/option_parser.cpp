#include "config/option_parser.h"

#include "config/bound_option.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>

namespace vantorix::config {

namespace {

constexpr qsizetype kHelpIndent = 26;
constexpr qsizetype kHelpWidth = 80 - kHelpIndent - 3; // of the description column

int editDistance(const QString &a, const QString &b)
{
    QList<int> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] =
                std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

QString unknownOption(const QStringList &arguments, const QString &name,
                      const QList<OptionSpec> &options)
{
    // Single-dash words parse as long options, so "-5" arrives as "5".
    const QString dashed = arguments.contains(QLatin1Char('-') + name)
                               ? QStringLiteral("-") + name
                               : QStringLiteral("--") + name;
    QString message = QCoreApplication::translate("options", "unknown option '%1'").arg(dashed);
    if (name.startsWith(QLatin1Char('.')) || (!name.isEmpty() && name.front().isDigit())) {
        message += QCoreApplication::translate("options", "; put '--' before a negative number");
    } else {
        QStringList names;
        for (const OptionSpec &spec : options)
            names.append(spec.name);
        if (const QString near = closestName(name, names); !near.isEmpty())
            message += QCoreApplication::translate("options", " (did you mean --%1?)").arg(near);
    }
    return message;
}

} // namespace

Result<ParsedOptions> parseOptions(const QStringList &arguments, const QList<OptionSpec> &options)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionSpec &spec : options) {
        QStringList names{spec.name};
        if (!spec.alias.isEmpty())
            names.prepend(spec.alias);
        parser.addOption(QCommandLineOption(names, spec.description, spec.valueName));
    }
    const bool parsed = parser.parse(QStringList{QString()} + arguments);

    ParsedOptions result;
    for (const OptionSpec &spec : options) {
        if (!parser.isSet(spec.name))
            continue;
        // An option's value is the next word whatever it looks like, so a "--"
        // meant to allow a negative number is taken as the value instead.
        if (!spec.valueName.isEmpty() && parser.values(spec.name).contains(QLatin1String("--")))
            return failure(QCoreApplication::translate("options",
                                                       "--%1 has no value before '--'; give a "
                                                       "negative value as --%1=-5")
                               .arg(spec.name));
        result.values.insert(spec.name, parser.value(spec.name));
    }
    if (!parser.unknownOptionNames().isEmpty())
        return failure(unknownOption(arguments, parser.unknownOptionNames().constFirst(), options));
    if (!parsed) {
        // Qt words it as a sentence; ours are clauses after "program: ".
        QString message = parser.errorText();
        message[0] = message[0].toLower();
        if (message.endsWith(QLatin1Char('.')))
            message.chop(1);
        return failure(message);
    }
    result.positional = parser.positionalArguments();
    return result;
}

Result<qlonglong> wholeNumber(const QString &text, qlonglong low, qlonglong high)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    const bool digitsOnly = !text.isEmpty() && text.back().isDigit() &&
                            (text.front().isDigit() || text.front() == QLatin1Char('-'));
    if (!ok || !digitsOnly || value < low || value > high)
        return failure(notANumber(text, double(low), double(high), true));
    return value;
}

Result<double> decimalNumber(const QString &text, double low, double high)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value >= low && value <= high))
        return failure(notANumber(text, low, high));
    return value;
}

QString notANumber(const QString &text, double low, double high, bool whole)
{
    const char *wording =
        whole ? QT_TRANSLATE_NOOP("options", "'%1' is not a whole number from %2 to %3")
              : QT_TRANSLATE_NOOP("options", "'%1' is not a number from %2 to %3");
    return QCoreApplication::translate("options", wording)
        .arg(text, QString::number(low, 'g', 12), QString::number(high, 'g', 12));
}

QString closestName(const QString &typed, const QStringList &names)
{
    QString best;
    int bestDistance = std::max<int>(2, int(typed.size()) / 3) + 1;
    for (const QString &name : names) {
        const int distance = editDistance(typed.toLower(), name);
        if (distance < bestDistance) {
            best = name;
            bestDistance = distance;
        }
    }
    return best;
}

QString notOneOf(const QString &text, const QStringList &choices)
{
    QString list = choices.value(0);
    for (qsizetype i = 1; i < choices.size(); ++i)
        list += (i + 1 == choices.size() ? QCoreApplication::translate("options", " or ")
                                         : QCoreApplication::translate("options", ", ")) +
                choices[i];
    return QCoreApplication::translate("options", "'%1' is not %2").arg(text, list);
}

QString excludeEachOther(const QString &option, const QString &other)
{
    return QCoreApplication::translate("options", "--%1 and --%2 exclude each other")
        .arg(option, other);
}

OptionSpec helpOption()
{
    return {QStringLiteral("help"),
            {},
            QStringLiteral(QT_TRANSLATE_NOOP("options", "show this help")),
            {},
            QStringLiteral("h")};
}

OptionSpec versionOption()
{
    return {QStringLiteral("version"),
            {},
            QStringLiteral(QT_TRANSLATE_NOOP("options", "show the version")),
            {},
            QStringLiteral("V")};
}

QString helpRow(const QString &left, const QString &right)
{
    const QString indent = QStringLiteral("\n") + QString(kHelpIndent + 3, QLatin1Char(' '));
    QString text = QStringLiteral("  ") + left.leftJustified(kHelpIndent) + QLatin1Char(' ');
    if (left.size() > kHelpIndent)
        text += indent;
    return text + QString(right).replace(QLatin1Char('\n'), indent) + QLatin1Char('\n');
}

QString optionHelp(const QList<OptionSpec> &options)
{
    QString text;
    for (const OptionSpec &spec : options) {
        QString left = QStringLiteral("--") + spec.name;
        if (!spec.alias.isEmpty())
            left.prepend(QLatin1Char('-') + spec.alias + QStringLiteral(", "));
        if (!spec.valueName.isEmpty())
            left += QLatin1Char(' ') + spec.valueName;
        // Descriptions are marked with QT_TRANSLATE_NOOP("options", ...).
        QString right =
            QCoreApplication::translate("options", spec.description.toUtf8().constData());
        if (!spec.environment.isEmpty()) {
            const qsizetype lastLine = right.size() - right.lastIndexOf(QLatin1Char('\n')) - 1;
            right += (lastLine + spec.environment.size() + 3 > kHelpWidth ? QLatin1Char('\n')
                                                                          : QLatin1Char(' ')) +
                     QLatin1Char('[') + spec.environment + QLatin1Char(']');
        }
        text += helpRow(left, right);
    }
    return text;
}

} // namespace vantorix::config
