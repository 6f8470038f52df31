#include "mining/query_plan.h"

namespace vantorix::mining {

namespace {

const QStringList kSourceNames{QStringLiteral("related"), QStringLiteral("suggest"),
                               QStringLiteral("both")};
const QStringList kExpansionNames{QStringLiteral("none"), QStringLiteral("az"),
                                  QStringLiteral("questions"), QStringLiteral("both")};
// The words put before or after a keyword to ask its questions.
const QStringList kQuestionWords{QStringLiteral("怎么"), QStringLiteral("如何"),
                                 QStringLiteral("什么"), QStringLiteral("哪里"),
                                 QStringLiteral("多少"), QStringLiteral("为什么")};

// The value whose name stands at the same place in `names`.
template <typename Value> std::optional<Value> byName(const QStringList &names, const QString &name)
{
    const qsizetype index = names.indexOf(name);
    return index < 0 ? std::nullopt : std::optional<Value>(Value(index));
}

} // namespace

QString kindName(QueryKind kind)
{
    return kSourceNames.at(int(kind));
}

QStringList sourceNames()
{
    return kSourceNames;
}

QStringList expansionNames()
{
    return kExpansionNames;
}

QString sourceName(SourceChoice source)
{
    return kSourceNames.at(int(source));
}

std::optional<SourceChoice> parseSource(const QString &name)
{
    return byName<SourceChoice>(kSourceNames, name);
}

QString expansionName(Expansion expansion)
{
    return kExpansionNames.at(int(expansion));
}

std::optional<Expansion> parseExpansion(const QString &name)
{
    return byName<Expansion>(kExpansionNames, name);
}

QStringList variantQueries(const QString &keyword, Expansion expansion)
{
    QStringList variants;
    if (keyword.isEmpty())
        return variants;
    if (expansion == Expansion::Az || expansion == Expansion::Both)
        for (char letter = 'a'; letter <= 'z'; ++letter)
            variants.append(keyword + QLatin1Char(' ') + QLatin1Char(letter));
    if (expansion == Expansion::Questions || expansion == Expansion::Both)
        for (const QString &word : kQuestionWords)
            variants << word + keyword << keyword + word;
    return variants;
}

QList<PlannedQuery> planQueries(const QStringList &keywords, SourceChoice source,
                                Expansion expansion, const QList<PlanEngine> &engines)
{
    QList<PlannedQuery> plan;
    auto ask = [&](const QString &text) {
        for (const PlanEngine &engine : engines) {
            if (source != SourceChoice::Suggest)
                plan.append({text, QueryKind::Related, engine.index});
            if (source != SourceChoice::Related && engine.suggests)
                plan.append({text, QueryKind::Suggest, engine.index});
        }
    };
    for (const QString &keyword : keywords) {
        ask(keyword);
        for (const QString &variant : variantQueries(keyword, expansion))
            ask(variant);
    }
    return plan;
}

} // namespace vantorix::mining
