#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vantorix::mining {

// What one query reads: a result page's related-searches block, or the search
// box's suggestions (下拉词).
enum class QueryKind { Related, Suggest };

// Which of the two a run mines.
enum class SourceChoice { Related, Suggest, Both };

// The variant queries a run adds for the seed and the first generation.
enum class Expansion { None, Az, Questions, Both };

// "related" or "suggest", as the tsv and json outputs name a keyword's source.
QString kindName(QueryKind kind);

// "related", "suggest", "both"; "none", "az", "questions", "both".
QString sourceName(SourceChoice source);
QStringList sourceNames();
QStringList expansionNames();
std::optional<SourceChoice> parseSource(const QString &name);
QString expansionName(Expansion expansion);
std::optional<Expansion> parseExpansion(const QString &name);

// The variants of a keyword: with az the keyword, a space and each letter a to
// z; with questions each of 怎么, 如何, 什么, 哪里, 多少 and 为什么 before the
// keyword, then after it (az first when both).
// The empty keyword has none.
QStringList variantQueries(const QString &keyword, Expansion expansion);

struct PlannedQuery
{
    QString text; // what is asked: a keyword or one of its variants
    QueryKind kind;
    int engine = 0; // which of the run's engines is asked

    bool operator==(const PlannedQuery &) const = default;
};

// An engine a run asks, and whether its search box suggestions are read.
struct PlanEngine
{
    int index;
    bool suggests = true;
};

// The queries of one generation in the order they are made: for each keyword
// and each engine in turn, its related block, then its suggestions (as far as
// the source asks for them and the engine has them), then the same for each
// of its variants in turn.
QList<PlannedQuery> planQueries(const QStringList &keywords, SourceChoice source,
                                Expansion expansion,
                                const QList<PlanEngine> &engines = {PlanEngine{0}});

} // namespace vantorix::mining
