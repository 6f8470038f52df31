#include "cli/group_command.h"

#include "cli/command_context.h"
#include "cli/group_output.h"
#include "cli/keyword_input.h"

#include <QCoreApplication>
#include <limits>

namespace vantorix::cli {

QString GroupCommand::summary() const
{
    return QCoreApplication::translate("group", "group the keywords by their root word (词根)");
}

QString GroupCommand::details() const
{
    return QCoreApplication::translate(
        "group",
        "Cuts each keyword into words (Unicode word rules, with a dictionary for\n"
        "Chinese: 减肥茶 is 减肥 + 茶, iphone15价格 is iphone15 + 价格). A root is a word\n"
        "of two or more characters found in at least --min-size keywords and in\n"
        "no more than half of them (the seed a mined list shares sorts nothing).\n"
        "Each keyword joins the root it contains that is found in the most\n"
        "keywords; a tie goes to the longer root, then to the root met first in\n"
        "the input. A root left with fewer than --min-size keywords gives them up\n"
        "to their next root. Words compare ignoring letter case. Keywords without\n"
        "a root make the group 其他, always last; the other groups come largest\n"
        "first, and the keywords of a group keep their input order. Empty lines\n"
        "are left out. Output: --format lines (default) gives a group's name on a\n"
        "line, then its keywords, an empty line between groups; tsv a line \"group\n"
        "TAB keyword\" a keyword (backslash, tab, CR and LF escaped); json one\n"
        "object {\"group\": ..., \"keywords\": [...]} a line. With --raw, standard\n"
        "input is the list text and standard output is the list reordered group\n"
        "by group, as the window's 按词根分组 leaves it.");
}

const config::OptionTable<GroupArgs> &GroupCommand::optionTable() const
{
    static const config::OptionTable<GroupArgs> table = {
        config::numberOption<GroupArgs>(
            {QStringLiteral("min-size"), QStringLiteral("N"),
             QStringLiteral(QT_TRANSLATE_NOOP(
                 "options", "a root is found in at least N keywords (default 3)"))},
            &GroupArgs::minSize, 1, std::numeric_limits<int>::max()),
        config::choiceOption<GroupArgs>(
            {QStringLiteral("format"), QStringLiteral("lines|tsv|json"),
             QStringLiteral(
                 QT_TRANSLATE_NOOP("options", "how the groups are written (default lines)"))},
            &GroupArgs::format, parseRecordFormat, recordFormatNames()),
    };
    return table;
}

int GroupCommand::run(CommandContext &ctx)
{
    if (ctx.raw && args().format)
        return ctx.usageError(
            config::excludeEachOther(QStringLiteral("raw"), QStringLiteral("format")));

    StandardInput input;
    if (!ctx.readInput(input))
        return 1;
    const KeywordText text =
        readKeywords(input.utf8(), ctx.raw ? list::TextLayout::List : list::TextLayout::Lines);
    const QList<QStringView> &keywords = text.keywords;
    const Result<QList<list::RootGroup>> groups = list::groupByRoot(keywords, args().minSize);
    if (!groups)
        return ctx.fail(groups.error());
    list::ByteSink &out = ctx.out().utf8Sink();
    if (!ctx.raw) {
        writeGroups(*groups, keywords, args().format.value_or(RecordFormat::Lines), out);
        return 0;
    }
    for (const list::RootGroup &group : *groups) {
        for (const qsizetype i : group.keywords) {
            out.write(keywords[i].toUtf8());
            out.write("\r\n");
        }
    }
    return 0;
}

} // namespace vantorix::cli
