#include "list_tool_pairs.h"

#include "list/dedupe.h"
#include "list/export_text.h"
#include "list/filters.h"
#include "list/keyword_list.h"
#include "list/shuffle.h"
#include "list/utf8_tools.h"

#include <QDebug>
#include <QStringDecoder>

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

enum class Tool {
    Dedupe,
    DedupeColliding, // every hash the same, so the exact comparison decides every look-up
    Shuffle,
    Contains,
    Excludes,
    LongerThan,
    ExportComma,
    ExportBar,
    ExportNewline
};
const char *const kToolNames[] = {"dedupe",        "dedupe, every hash colliding",
                                  "shuffle",       "contains",
                                  "excludes",      "longer-than",
                                  "export comma",  "export bar",
                                  "export newline"};

void onBytes(Tool tool, QByteArrayView t, TextLayout l, const QString &a, ByteSink &out)
{
    QRandomGenerator random(5);
    switch (tool) {
    case Tool::Dedupe:
        return dedupeUtf8(t, l, out);
    case Tool::DedupeColliding:
        return dedupeUtf8(t, l, out, sameHash);
    case Tool::Shuffle:
        return shuffleUtf8(t, l, random, out);
    case Tool::Contains:
        return filterByTextUtf8(t, l, a, TextFilter::Containing, out);
    case Tool::Excludes:
        return filterByTextUtf8(t, l, a, TextFilter::NotContaining, out);
    case Tool::LongerThan:
        return filterLongerThanUtf8(t, l, a.toInt(), out);
    case Tool::ExportComma:
        return exportUtf8(t, l, ExportSeparator::Comma, out);
    case Tool::ExportBar:
        return exportUtf8(t, l, ExportSeparator::Bar, out);
    case Tool::ExportNewline:
        return exportUtf8(t, l, ExportSeparator::Newline, out);
    }
}

QString onText(Tool tool, const QString &t, TextLayout l, const QString &a)
{
    QRandomGenerator random(5);
    switch (tool) {
    case Tool::Dedupe:
    case Tool::DedupeColliding:
        return l == TextLayout::List ? RemoveDuplicateLines(t, kSeparator)
                                     : joined(uniquePieces(piecesOf(t, l)), l);
    case Tool::Shuffle:
        return joined(shuffledPieces(piecesOf(t, l), random), l);
    case Tool::Contains:
        return filtered(t, l, a, true);
    case Tool::Excludes:
        return filtered(t, l, a, false);
    case Tool::LongerThan:
        return joined(keepLongerThan(piecesOf(t, l), a.toInt()), l);
    case Tool::ExportComma:
        return exported(t, l, ExportSeparator::Comma, u',');
    case Tool::ExportBar:
        return exported(t, l, ExportSeparator::Bar, u'|');
    case Tool::ExportNewline:
        return exported(t, l, ExportSeparator::Newline, u'\n');
    }
    return {};
}

} // namespace

std::optional<QString> listToolsDisagree(const QByteArray &utf8, const QStringList &needles)
{
    const QStringList lengths{u"-1"_s, u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"7"_s};
    for (const TextLayout layout : {TextLayout::Lines, TextLayout::List}) {
        for (int i = 0; i <= int(Tool::ExportNewline); ++i) {
            const Tool tool = Tool(i);
            const bool readsText = tool >= Tool::Contains && tool <= Tool::LongerThan;
            // A byte order mark that starts the output is a keyword's, not a mark.
            const auto read = [&](const QByteArray &bytes) {
                constexpr auto flags =
                    QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
                return readsText ? QString(QStringDecoder(QStringDecoder::Utf8, flags)(bytes))
                                 : QString::fromLatin1(bytes);
            };
            const QStringList arguments = tool == Tool::LongerThan ? lengths
                                          : readsText              ? needles
                                                                   : QStringList{{}};
            for (const QString &argument : arguments) {
                QByteArray out;
                // A tiny chunk makes the sink hand on pieces of every size.
                ByteSink sink([&](QByteArrayView bytes) { return out.append(bytes), true; }, 7);
                onBytes(tool, utf8, layout, argument, sink);
                sink.flush();
                const QString want = onText(tool, read(utf8), layout, argument);
                if (read(out) == want)
                    continue;
                QString message;
                QDebug(&message) << kToolNames[i]
                                 << (layout == TextLayout::List ? "--raw" : "lines") << argument
                                 << "on" << utf8 << "gave" << read(out) << "not" << want;
                return message;
            }
        }
    }
    return std::nullopt;
}
