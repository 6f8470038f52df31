#include "sandbox/sandbox_options.h"

#include "config/bound_option.h"
#include "config/settings.h"
#include "sandbox/vocabulary.h"

#include <QCoreApplication>
#include <limits>

namespace vantorix::sandbox {

using namespace Qt::StringLiterals;
using config::BoundOption;
using config::OptionTable;

namespace {

template <typename T>
BoundOption<SandboxCommand> number(const char *name, const char *valueName,
                                   T SandboxOptions::*field, qlonglong low, qlonglong high,
                                   const QString &description)
{
    return {{QLatin1String(name), QLatin1String(valueName), description},
            [=](SandboxCommand &command, const QString &text) -> Result<> {
                const Result<qlonglong> value = config::wholeNumber(text, low, high);
                if (!value)
                    return failure(value.error());
                command.options.*field = static_cast<T>(*value);
                return {};
            }};
}

Result<> setLayout(SandboxCommand &command, const QString &text)
{
    config::Settings client;
    client.sandbox = true;
    const Result<config::LayoutChoice> choice = config::parseLayoutChoice(text);
    if (!choice)
        return failure(choice.error());
    client.layout = *choice;
    command.options.live = config::readsLivePages(client);
    return {};
}

BoundOption<SandboxCommand> decimal(const char *name, const char *valueName,
                                    double SandboxOptions::*field, double high,
                                    const QString &description)
{
    return {{QLatin1String(name), QLatin1String(valueName), description},
            [=](SandboxCommand &command, const QString &text) -> Result<> {
                const Result<double> value = config::decimalNumber(text, 0.0, high);
                if (!value)
                    return failure(value.error());
                command.options.*field = *value;
                return {};
            }};
}

const OptionTable<SandboxCommand> &table()
{
    static const OptionTable<SandboxCommand> options = {
        number("port", "N", &SandboxOptions::port, 0, 65535,
               QStringLiteral(QT_TRANSLATE_NOOP(
                   "options", "port to listen on (0: any free port; default 0)"))),
        number("seed", "N", &SandboxOptions::seed, 0, std::numeric_limits<qlonglong>::max(),
               QStringLiteral(QT_TRANSLATE_NOOP(
                   "options", "seed of the keyword graph, the hot lists and the\nfaults (1)"))),
        number("fanout", "N", &SandboxOptions::fanout, 1, kSlotWordsMinimum,
               QStringLiteral(
                   QT_TRANSLATE_NOOP("options", "words per slot of the keyword graph, 1-30 (7)"))),
        number("depth", "N", &SandboxOptions::depth, 0, KeywordGraph::kMaxDepth,
               QStringLiteral(QT_TRANSLATE_NOOP(
                   "options", "most slot words in one keyword, 0-5 (3); keywords\n"
                              "per core: sum over l<=depth of C(5,l)*fanout^l,\n"
                              "nearly all found by a run from one keyword: 7/3\n"
                              "about 4,000, 12/3 about 18,800, 9/5 about 100,000"))),
        number("latency", "MS", &SandboxOptions::latencyMs, 0, 3600000,
               QStringLiteral(
                   QT_TRANSLATE_NOOP("options", "answer every request after MS milliseconds (0)"))),
        decimal("fail-rate", "P", &SandboxOptions::failRate, 1,
                QStringLiteral(QT_TRANSLATE_NOOP(
                    "options", "share of requests, 0-1, met by a fault of one of\n"
                               "the --fault-kinds, chosen by hashing the seed,\n"
                               "the path and query and how often that address\n"
                               "was asked (0)"))),
        {{u"fault-kinds"_s, u"LIST"_s,
          QStringLiteral(QT_TRANSLATE_NOOP("options",
                                           "comma-separated kinds of fault, or all:\n"
                                           "500, drop (connection closed half-way), silent\n"
                                           "(no answer), endless (an answer that never\n"
                                           "ends), huge (a page over 10 MB), bad-gbk (bytes\n"
                                           "that are no GBK), redirect-loop\n"
                                           "(500,drop,silent)"))},
         [](SandboxCommand &command, const QString &names) -> Result<> {
             Result<QList<Fault>> kinds = parseFaultKinds(names);
             if (!kinds)
                 return failure(kinds.error());
             command.options.faultKinds = std::move(*kinds);
             return {};
         }},
        decimal("block-rate", "P", &SandboxOptions::blockRate, 1,
                QStringLiteral(QT_TRANSLATE_NOOP(
                    "options", "live: share of search queries, 0-1, answered with\n"
                               "a block (a 302 to a captcha host, or a page titled\n"
                               "百度安全验证; Sogou: a 302 to /antispider/, 360: a\n"
                               "verification-code page), chosen as the faults are (0)"))),
        decimal("rate-limit", "R", &SandboxOptions::rateLimit, 100000,
                QStringLiteral(QT_TRANSLATE_NOOP(
                    "options", "live: R search queries a second per client address\n"
                               "and engine (as many in a burst); a client over it\n"
                               "gets only blocks for the cooldown (0: no limit)"))),
        number("block-cooldown", "S", &SandboxOptions::blockCooldownSeconds, 0, 86400,
               QStringLiteral(QT_TRANSLATE_NOOP(
                   "options", "seconds a client over the rate limit is blocked (30)"))),
        {{u"layout"_s, u"auto|classic|live"_s,
          QStringLiteral(QT_TRANSLATE_NOOP("options",
                                           "pages to serve: classic, or live (today's markup,\n"
                                           "UTF-8 queries, a cookie, the board page and\n"
                                           "hot_ranks); auto is classic (classic)")),
          u"VANTORIX_LAYOUT"_s},
         setLayout},
        {{u"log"_s, QString(),
          QStringLiteral(QT_TRANSLATE_NOOP("options",
                                           "print each request with its client "
                                           "address,\nUser-Agent, Accept-Language and Cookie\n"
                                           "(every block is printed, with or without --log)"))},
         [](SandboxCommand &command, const QString &) {
             command.log = true;
             return Result<>();
         }},
        {{u"count"_s, u"KEYWORD"_s,
          QStringLiteral(QT_TRANSLATE_NOOP(
              "options",
              "print how many keywords a breadth-first run from\nKEYWORD finds, and exit"))},
         [](SandboxCommand &command, const QString &keyword) {
             command.countFrom = keyword;
             return Result<>();
         }},
        {config::helpOption(),
         [](SandboxCommand &command, const QString &) {
             command.help = true;
             return Result<>();
         }},
        {config::versionOption(),
         [](SandboxCommand &command, const QString &) {
             command.version = true;
             return Result<>();
         }},
    };
    return options;
}

} // namespace

Result<SandboxCommand> parseSandboxArguments(const QStringList &arguments)
{
    const Result<config::ParsedOptions> given =
        config::parseOptions(arguments, config::specsOf(table()));
    if (!given)
        return failure(given.error());
    if (!given->positional.isEmpty())
        return failure(QCoreApplication::translate("sandbox", "unexpected argument '%1'")
                           .arg(given->positional.constFirst()));
    SandboxCommand command;
    if (const Result<> applied = config::applyGiven(table(), *given, command); !applied)
        return failure(applied.error());
    if (const Result<> applied = config::applyEnvironment(table(), *given, command); !applied)
        return failure(applied.error());
    return command;
}

QString sandboxHelp()
{
    return QCoreApplication::translate(
               "sandbox",
               "Usage: vantorix-sandbox [OPTIONS]\n"
               "\n"
               "Serves on 127.0.0.1 every page Vantorix reads (result pages, hot lists, the\n"
               "publisher's pages) from one port: the classic pages GBK-encoded, or with\n"
               "--layout live today's pages in UTF-8. Sogou's and 360's result pages\n"
               "(/web?query=, /s?q=) are today's in either layout. Prints\n"
               "\"listening on http://127.0.0.1:PORT\" first, then serves until killed.\n"
               "\n"
               "Options:\n") +
           config::optionHelp(config::specsOf(table()));
}

} // namespace vantorix::sandbox
