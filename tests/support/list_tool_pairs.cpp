#include "list_tool_pairs.h"

#include "list/dedupe.h"
#include "list/export_text.h"
#include "list/filters.h"
#include "list/keyword_list.h"
#include "list/shuffle.h"
#include "list/utf8_tools.h"

#include <QDebug>
#include <QStringDecoder>
#include <functional>

using namespace vantorix::list;
using namespace Qt::StringLiterals;

namespace {

// Every piece gets one hash, so the exact comparison decides every look-up.
quint64 sameHash(QByteArrayView)
{
    return 0;
}

// The reference reads the Lines layout with splitLines.
QStringList piecesOf(const QString &text, TextLayout layout)
{
    return layout == TextLayout::Lines ? splitLines(text) : splitList(text);
}

QString joined(const QStringList &pieces, TextLayout layout)
{
    return joinList(pieces, layout == TextLayout::Lines ? u"\n"_s : kSeparator);
}

QString filtered(const QString &text, TextLayout layout, const QString &argument, bool containing)
{
    const QString needle = filterArgument(argument);
    if (needle.isEmpty())
        return layout == TextLayout::List ? text : joined(piecesOf(text, layout), layout);
    const QStringList pieces = piecesOf(text, layout);
    return joined(containing ? keepContaining(pieces, needle) : keepNotContaining(pieces, needle),
                  layout);
}

QString exported(const QString &text, TextLayout layout, ExportSeparator separator, QChar mark)
{
    if (layout == TextLayout::List)
        return exportText(text, separator);
    const QString out = joinList(piecesOf(text, layout), mark);
    return out.isEmpty() || mark == u'\n' ? out : out + u'\n';
}

struct Tool
{
    const char *name;
    bool readsText;
    QStringList arguments;
    std::function<void(QByteArrayView, TextLayout, const QString &, ByteSink &)> onBytes;
    std::function<QString(const QString &, TextLayout, const QString &)> onText;
};

QList<Tool> tools(const QStringList &needles)
{
    const auto exporting = [](const char *name, ExportSeparator separator, QChar mark) {
        return Tool{name,
                    false,
                    {{}},
                    [=](QByteArrayView t, TextLayout l, const QString &, ByteSink &out) {
                        exportUtf8(t, l, separator, out);
                    },
                    [=](const QString &t, TextLayout l, const QString &) {
                        return exported(t, l, separator, mark);
                    }};
    };
    const auto deduped = [](const QString &t, TextLayout l, const QString &) {
        return l == TextLayout::List ? RemoveDuplicateLines(t, kSeparator)
                                     : joined(uniquePieces(piecesOf(t, l)), l);
    };
    return {
        {"dedupe",
         false,
         {{}},
         [](QByteArrayView t, TextLayout l, const QString &, ByteSink &out) {
             dedupeUtf8(t, l, out);
         },
         deduped},
        {"dedupe, every hash colliding",
         false,
         {{}},
         [](QByteArrayView t, TextLayout l, const QString &, ByteSink &out) {
             dedupeUtf8(t, l, out, sameHash);
         },
         deduped},
        {"shuffle",
         false,
         {{}},
         [](QByteArrayView t, TextLayout l, const QString &, ByteSink &out) {
             QRandomGenerator random(5);
             shuffleUtf8(t, l, random, out);
         },
         [](const QString &t, TextLayout l, const QString &) {
             QRandomGenerator random(5);
             return joined(shuffledPieces(piecesOf(t, l), random), l);
         }},
        {"contains", true, needles,
         [](QByteArrayView t, TextLayout l, const QString &a, ByteSink &out) {
             filterByTextUtf8(t, l, a, TextFilter::Containing, out);
         },
         [](const QString &t, TextLayout l, const QString &a) { return filtered(t, l, a, true); }},
        {"excludes", true, needles,
         [](QByteArrayView t, TextLayout l, const QString &a, ByteSink &out) {
             filterByTextUtf8(t, l, a, TextFilter::NotContaining, out);
         },
         [](const QString &t, TextLayout l, const QString &a) { return filtered(t, l, a, false); }},
        {"longer-than",
         true,
         {u"-1"_s, u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"7"_s},
         [](QByteArrayView t, TextLayout l, const QString &a, ByteSink &out) {
             filterLongerThanUtf8(t, l, a.toInt(), out);
         },
         [](const QString &t, TextLayout l, const QString &a) {
             return joined(keepLongerThan(piecesOf(t, l), a.toInt()), l);
         }},
        exporting("export comma", ExportSeparator::Comma, u','),
        exporting("export bar", ExportSeparator::Bar, u'|'),
        exporting("export newline", ExportSeparator::Newline, u'\n'),
    };
}

} // namespace

std::optional<QString> listToolsDisagree(const QByteArray &utf8, const QStringList &needles)
{
    for (const TextLayout layout : {TextLayout::Lines, TextLayout::List}) {
        for (const Tool &tool : tools(needles)) {
            // A byte order mark that starts the output is a keyword's, not a mark.
            const auto read = [&](const QByteArray &bytes) {
                constexpr auto flags =
                    QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
                return tool.readsText ? QString(QStringDecoder(QStringDecoder::Utf8, flags)(bytes))
                                      : QString::fromLatin1(bytes);
            };
            for (const QString &argument : tool.arguments) {
                QByteArray out;
                // A tiny chunk makes the sink hand on pieces of every size.
                ByteSink sink([&](QByteArrayView bytes) { return out.append(bytes), true; }, 7);
                tool.onBytes(utf8, layout, argument, sink);
                sink.flush();
                const QString want = tool.onText(read(utf8), layout, argument);
                if (read(out) == want)
                    continue;
                QString message;
                QDebug(&message) << tool.name << (layout == TextLayout::List ? "--raw" : "lines")
                                 << argument << "on" << utf8 << "gave" << read(out) << "not"
                                 << want;
                return message;
            }
        }
    }
    return std::nullopt;
}
