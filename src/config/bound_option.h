#pragma once

#include "config/option_parser.h"

#include <QList>
#include <functional>
#include <vector>

namespace vantorix::config {

// An option and how its value lands in a `Target`; a switch's is empty.
template <typename Target> struct BoundOption
{
    OptionSpec spec;
    std::function<Result<>(Target &, const QString &value)> apply;
};

template <typename Target> using OptionTable = std::vector<BoundOption<Target>>;

template <typename Target> QList<OptionSpec> specsOf(const OptionTable<Target> &table)
{
    QList<OptionSpec> specs;
    for (const BoundOption<Target> &option : table)
        specs.append(option.spec);
    return specs;
}

// Applies the options `given` names; the first bad value fails, named by its flag.
template <typename Target>
Result<> applyGiven(const OptionTable<Target> &table, const ParsedOptions &given, Target &target)
{
    for (const BoundOption<Target> &option : table) {
        if (!given.isSet(option.spec.name))
            continue;
        if (const Result<> applied = option.apply(target, given.value(option.spec.name)); !applied)
            return failure(QStringLiteral("--") + option.spec.name + QStringLiteral(": ") +
                           applied.error());
    }
    return {};
}

// Applies the environment variable of each option that `given` lacks, so that
// a valid flag is never refused for a bad variable.
template <typename Target>
Result<> applyEnvironment(const OptionTable<Target> &table, const ParsedOptions &given,
                          Target &target)
{
    for (const BoundOption<Target> &option : table) {
        if (option.spec.environment.isEmpty() || given.isSet(option.spec.name))
            continue;
        const QString value = qEnvironmentVariable(qPrintable(option.spec.environment));
        if (value.isEmpty())
            continue;
        if (const Result<> applied = option.apply(target, value); !applied)
            return failure(option.spec.environment + QStringLiteral(": ") + applied.error());
    }
    return {};
}

// A whole number from `low` to `high`, as an option value.
Result<qlonglong> wholeNumber(const QString &text, qlonglong low, qlonglong high);
// A decimal number from `low` to `high`.
Result<double> decimalNumber(const QString &text, double low, double high);
// "'TEXT' is not a [whole ]number from LOW to HIGH": the one wording of a bad number.
QString notANumber(const QString &text, double low, double high, bool whole = false);

// The name among `names` that `typed` most likely meant (a small typing
// distance), or empty.
QString closestName(const QString &typed, const QStringList &names);

// "'TEXT' is not A, B or C": the one wording for a value outside its choices.
QString notOneOf(const QString &text, const QStringList &choices);

// "--A and --B exclude each other".
QString excludeEachOther(const QString &option, const QString &other);

// A switch that sets a flag.
template <typename Target> BoundOption<Target> switchOption(OptionSpec spec, bool Target::*field)
{
    return {std::move(spec), [field](Target &target, const QString &) -> Result<> {
                target.*field = true;
                return {};
            }};
}

// A value taken as given (a QString or an optional one).
template <typename Target, typename Field>
BoundOption<Target> textOption(OptionSpec spec, Field Target::*field)
{
    return {std::move(spec), [field](Target &target, const QString &value) -> Result<> {
                target.*field = value;
                return {};
            }};
}

// A whole number from `low` to `high`.
template <typename Target, typename Field>
BoundOption<Target> numberOption(OptionSpec spec, Field Target::*field, qlonglong low,
                                 qlonglong high)
{
    return {std::move(spec), [=](Target &target, const QString &value) -> Result<> {
                const Result<qlonglong> number = wholeNumber(value, low, high);
                if (!number)
                    return failure(number.error());
                target.*field = static_cast<Field>(*number);
                return {};
            }};
}

// One of the names `parse` knows, listed in `choices` for the error.
template <typename Target, typename Field, typename Parse>
BoundOption<Target> choiceOption(OptionSpec spec, Field Target::*field, Parse parse,
                                 QStringList choices)
{
    return {std::move(spec), [=](Target &target, const QString &value) -> Result<> {
                const auto chosen = parse(value);
                if (!chosen)
                    return failure(notOneOf(value, choices));
                target.*field = *chosen;
                return {};
            }};
}

} // namespace vantorix::config
