#include "cli/hotwords_command.h"

#include "cli/command_context.h"
#include "layout/hotword_sources.h"
#include "list/keyword_list.h"
#include "web/dump_file.h"
#include "web/hotword_fetch.h"
#include "web/page_fetcher.h"

#include <QCoreApplication>
#include <QStringList>

namespace vantorix::cli {

namespace {

QString sourceNames()
{
    QStringList names;
    for (const layout::HotwordSource &source : layout::hotwordSources())
        names.append(source.name);
    return names.join(QStringLiteral(", "));
}

void printWords(CommandContext &ctx, const QString &wordList)
{
    if (ctx.raw) {
        ctx.out().write(wordList);
        return;
    }
    QStringList words = list::splitList(wordList);
    if (!words.isEmpty() && words.last().isEmpty())
        words.removeLast();
    for (const QString &word : words)
        ctx.out().write(word + QLatin1Char('\n'));
}

void printed(CommandContext &ctx, const Result<QString> &wordList)
{
    if (!wordList)
        return ctx.finish(
            ctx.fail(QCoreApplication::translate("hotwords", "cannot fetch the hot-word page: ") +
                     wordList.error()));
    printWords(ctx, *wordList);
    // Without a chosen file the command line leaves the window's dump file alone.
    if (!ctx.settings.dumpFile.isEmpty()) {
        const Result<> written = web::writeDumpFile(*wordList, ctx.settings);
        if (!written)
            return ctx.finish(ctx.fail(written.error()));
    }
    ctx.finish(0);
}

} // namespace

const config::OptionTable<HotwordsArgs> &HotwordsCommand::optionTable() const
{
    static const config::OptionTable<HotwordsArgs> table = {
        config::switchOption<HotwordsArgs>(
            {QStringLiteral("quiet"), QString(),
             QStringLiteral(QT_TRANSLATE_NOOP("options", "nothing on standard error but errors"))},
            &HotwordsArgs::quiet),
    };
    return table;
}

QString HotwordsCommand::summary() const
{
    return QCoreApplication::translate("hotwords", "print the words of a hot-word ranking page");
}

QString HotwordsCommand::details() const
{
    QString text = QCoreApplication::translate("hotwords", "SOURCE is one of:\n");
    for (const layout::HotwordSource &source : layout::hotwordSources())
        text += QStringLiteral("  %1  %2\n").arg(source.name, -16).arg(source.title);
    return text + QCoreApplication::translate(
                      "hotwords",
                      "Fetches the page and prints its words one a line, in page order and\n"
                      "lower-cased, repeats kept; --raw prints the exact text the window appends\n"
                      "to its list (each word followed by CRLF). --dump-file PATH also writes\n"
                      "the words, and one more CRLF, to PATH as GBK, as the window's dump file:\n"
                      "a regular file is replaced, a device or a pipe written into; PATH's\n"
                      "folder must exist. In the live layout only baidu-today and sogou-today\n"
                      "have a list.\n"
                      "Exit status: 0 when the page was fetched (even without words), 1 when it\n"
                      "could not be fetched, the layout has no such list or the dump file was\n"
                      "not written, 2 on a usage error.");
}

void HotwordsCommand::start(CommandContext &ctx)
{
    const layout::HotwordSource *source = layout::sourceByName(ctx.arguments.value(0));
    if (!source)
        return ctx.finish(ctx.usageError(
            QCoreApplication::translate("hotwords", "unknown source '%1'; choose one of: %2")
                .arg(ctx.arguments.value(0), sourceNames())));
    if (!args().quiet)
        ctx.announceLayout();
    std::optional<web::HotlistReading> reading = ctx.layout->hotlist(*source);
    if (!reading)
        return ctx.finish(ctx.fail(
            QCoreApplication::translate("hotwords", "today's engines publish no %1 list, so the %2 "
                                                    "layout has none; --layout classic reads it "
                                                    "from a site that serves the classic pages")
                .arg(source->name, ctx.layout->name())));
    auto *fetcher = new web::PageFetcher(ctx.settings, ctx.parent());
    auto *fetch = new web::HotwordFetch(*fetcher, std::move(*reading), ctx.parent());
    QObject::connect(fetch, &web::HotwordFetch::finished, ctx.parent(),
                     [&ctx](const Result<QString> &wordList) { printed(ctx, wordList); });
}

} // namespace vantorix::cli
