#include "list/dedupe.h"
#include "list/export_text.h"
#include "list/filters.h"
#include "list/keyword_list.h"
#include "list/piece_set.h"
#include "list/shuffle.h"
#include "list/utf8_tools.h"

#include <QSet>
#include <QTest>
#include <memory>

using namespace vantorix::list;
using namespace Qt::StringLiterals;

namespace {

enum class Tool { Dedupe, Shuffle, Contains, Excludes, LongerThan, Comma, Bar, Newline };
const Tool kTools[] = {Tool::Dedupe,     Tool::Shuffle, Tool::Contains, Tool::Excludes,
                       Tool::LongerThan, Tool::Comma,   Tool::Bar,      Tool::Newline};

ExportSeparator separatorOf(Tool tool)
{
    return tool == Tool::Comma ? ExportSeparator::Comma
           : tool == Tool::Bar ? ExportSeparator::Bar
                               : ExportSeparator::Newline;
}

// What the QString tools give, the Lines layout read with splitLines.
QString reference(Tool tool, const QString &text, TextLayout layout, const QString &argument,
                  int minLength, quint32 seed)
{
    const bool lines = layout == TextLayout::Lines;
    const QString separator = lines ? u"\n"_s : kSeparator;
    const QStringList pieces = lines ? splitLines(text) : splitList(text);
    const QString needle = filterArgument(argument);
    switch (tool) {
    case Tool::Dedupe:
        return lines ? joinList(uniquePieces(pieces), separator)
                     : RemoveDuplicateLines(text, kSeparator);
    case Tool::Shuffle: {
        QRandomGenerator random(seed);
        return joinList(shuffledPieces(pieces, random), separator);
    }
    case Tool::Contains:
    case Tool::Excludes:
        if (needle.isEmpty())
            return lines ? joinList(pieces, separator) : text;
        return joinList(tool == Tool::Contains ? keepContaining(pieces, needle)
                                               : keepNotContaining(pieces, needle),
                        separator);
    case Tool::LongerThan:
        return joinList(keepLongerThan(pieces, minLength), separator);
    case Tool::Comma:
    case Tool::Bar:
    case Tool::Newline:
        if (!lines)
            return exportText(text, separatorOf(tool));
        const QString mark = tool == Tool::Comma ? u","_s : tool == Tool::Bar ? u"|"_s : u"\n"_s;
        const QString joined = joinList(pieces, mark);
        return joined.isEmpty() || tool == Tool::Newline ? joined : joined + u"\n"_s;
    }
    return {};
}

QByteArray runUtf8(Tool tool, QByteArrayView utf8, TextLayout layout, const QString &argument,
                   int minLength, quint32 seed)
{
    QByteArray out;
    // A tiny chunk makes the sink hand on pieces of every size.
    ByteSink sink(
        [&](QByteArrayView bytes) {
            out.append(bytes);
            return true;
        },
        7);
    QRandomGenerator random(seed);
    switch (tool) {
    case Tool::Dedupe:
        dedupeUtf8(utf8, layout, sink);
        break;
    case Tool::Shuffle:
        shuffleUtf8(utf8, layout, random, sink);
        break;
    case Tool::Contains:
        filterByTextUtf8(utf8, layout, argument, TextFilter::Containing, sink);
        break;
    case Tool::Excludes:
        filterByTextUtf8(utf8, layout, argument, TextFilter::NotContaining, sink);
        break;
    case Tool::LongerThan:
        filterLongerThanUtf8(utf8, layout, minLength, sink);
        break;
    case Tool::Comma:
    case Tool::Bar:
    case Tool::Newline:
        exportUtf8(utf8, layout, separatorOf(tool), sink);
        break;
    }
    sink.flush();
    return out;
}

// Text built from the characters that trip byte-wise handling: letters with
// unusual case partners (KELVIN SIGN, LONG S, sharp s, sigma, dotted I),
// full-width letters, a character outside the BMP, NUL, CR and LF alone.
QString randomText(QRandomGenerator &random, int tokens)
{
    static const QStringList alphabet = {u"a"_s,
                                         u"A"_s,
                                         u"k"_s,
                                         u"K"_s,
                                         u"\u212A"_s,
                                         u"s"_s,
                                         u"S"_s,
                                         u"\u017F"_s,
                                         u"ß"_s,
                                         u"\u1E9E"_s,
                                         u"σ"_s,
                                         u"Σ"_s,
                                         u"ς"_s,
                                         u" "_s,
                                         u"  "_s,
                                         u"\r"_s,
                                         u"\n"_s,
                                         u"\r\n"_s,
                                         u"\r\n"_s,
                                         u"减"_s,
                                         u"肥"_s,
                                         u"😀"_s,
                                         u"ａ"_s,
                                         u"Ａ"_s,
                                         u"\u0130"_s,
                                         u"\u0131"_s,
                                         u"i"_s,
                                         u"I"_s,
                                         QString(QChar(0)),
                                         u"seo"_s,
                                         u"SEO"_s};
    QString text;
    for (int i = 0; i < tokens; ++i)
        text += alphabet.at(int(random.bounded(quint32(alphabet.size()))));
    return text;
}

const QStringList kNeedles = {
    u"k"_s,      u"K"_s,    u"s"_s,   u"ss"_s,     u"σ"_s,   u"ß"_s,   u"\u1E9E"_s,
    u"a k"_s,    u"减肥"_s, u"ａ"_s,  u"😀"_s,      u"\r"_s,  u"\n"_s,  u"i"_s,
    u"\u0130"_s, u" a "_s,  u"A\r"_s, u"肥\r\n"_s, u"SEO"_s, u"   "_s, QString(QChar(0))};

void compareAllTools(const QString &text, const QString &where)
{
    const QByteArray utf8 = text.toUtf8();
    for (const TextLayout layout : {TextLayout::Lines, TextLayout::List}) {
        for (const Tool tool : kTools) {
            const QStringList arguments =
                (tool == Tool::Contains || tool == Tool::Excludes) ? kNeedles : QStringList{{}};
            const QList<int> lengths =
                tool == Tool::LongerThan ? QList<int>{-1, 0, 1, 2, 3, 7} : QList<int>{0};
            for (const QString &argument : arguments) {
                for (const int minLength : lengths) {
                    const QByteArray got = runUtf8(tool, utf8, layout, argument, minLength, 5);
                    const QByteArray want =
                        reference(tool, text, layout, argument, minLength, 5).toUtf8();
                    if (got != want) {
                        QFAIL(qPrintable(
                            QStringLiteral("%1: tool %2, layout %3, argument '%4', length %5\n"
                                           "text: %6\ngot:  %7\nwant: %8")
                                .arg(where)
                                .arg(int(tool))
                                .arg(int(layout))
                                .arg(argument)
                                .arg(minLength)
                                .arg(QString::fromLatin1(utf8.toPercentEncoding()),
                                     QString::fromLatin1(got.toPercentEncoding()),
                                     QString::fromLatin1(want.toPercentEncoding()))));
                    }
                }
            }
        }
    }
}

} // namespace

// The UTF-8 tools against the QString tools they must agree with.
class TestUtf8Tools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void agreesWithTextTools_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("one LF") << u"\n"_s;
        QTest::newRow("one CRLF") << u"\r\n"_s;
        QTest::newRow("CR only") << u"a\rb\rc\r"_s;
        QTest::newRow("CR CR LF") << u"a\r\r\nb\r\r\n"_s;
        QTest::newRow("repeats and blanks") << u"b\r\na\r\nb\r\n  \r\n\r\nA\r\nb \r\n"_s;
        QTest::newRow("no final newline") << u"x\ny\nx"_s;
        QTest::newRow("Chinese") << u"减肥方法\r\n减肥\r\n瘦身\r\n减肥方法\r\n"_s;
        QTest::newRow("KELVIN SIGN matches k") << u"\u212Aelvin\r\nkelvin\r\nother\r\n"_s;
        QTest::newRow("LONG S matches s") << u"\u017Feo\nSEO\nx\n"_s;
        QTest::newRow("match at the very end") << u"abc\r\nxyzSEO"_s;
        QTest::newRow("match across a separator") << u"a\r\nk\r\n"_s;
    }
    void agreesWithTextTools()
    {
        QFETCH(QString, text);
        compareAllTools(text, QString::fromLatin1(QTest::currentDataTag()));
    }

    void agreesOnRandomText_data()
    {
        QTest::addColumn<int>("tokens");
        QTest::newRow("short") << 6;
        QTest::newRow("medium") << 25;
        QTest::newRow("long") << 120;
    }
    void agreesOnRandomText()
    {
        QFETCH(int, tokens);
        QRandomGenerator random{quint32(tokens)};
        for (int round = 0; round < 60; ++round) {
            compareAllTools(randomText(random, tokens), QStringLiteral("round %1").arg(round));
            if (QTest::currentTestFailed())
                return;
        }
    }

    // Text longer than one vector step, so the wide search and its tail
    // both meet matches, near both ends.
    void findsMatchesAtEveryOffset()
    {
        for (int offset = 0; offset < 40; ++offset) {
            const QString text =
                QString(offset, u'x') + u"Seo"_s + QString(40 - offset, u'y') + u"\nseo\n"_s;
            compareAllTools(text, QStringLiteral("offset %1").arg(offset));
            if (QTest::currentTestFailed())
                return;
        }
    }

    void utf16Length_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<int>("length");
        QTest::newRow("ASCII") << QByteArray("abc") << 3;
        QTest::newRow("Chinese") << QByteArray("减肥药") << 3;
        QTest::newRow("outside the BMP") << QByteArray("\xF0\x9F\x98\x80") << 2;
        QTest::newRow("NUL") << QByteArray("a\0b", 3) << 3;
        QTest::newRow("stray byte") << QByteArray("\xFF") << 1;
        QTest::newRow("truncated sequence") << QByteArray("\xE5\x87") << 2;
        QTest::newRow("overlong") << QByteArray("\xC0\xAF") << 2;
        QTest::newRow("surrogate code") << QByteArray("\xED\xA0\x80") << 3;
        QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << 4;
    }
    void utf16Length()
    {
        QFETCH(QByteArray, utf8);
        QFETCH(int, length);
        QCOMPARE(vantorix::list::utf16Length(utf8), qsizetype(length));
    }

    // Malformed UTF-8 is kept byte for byte, never replaced.
    void malformedBytesPassThrough_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("deduped");
        QTest::newRow("repeated stray bytes")
            << QByteArray("\xFF\n\xFF\n\xFE") << QByteArray("\xFF\n\xFE\n");
        QTest::newRow("NUL bytes") << QByteArray("a\0b\na\0b\n", 8) << QByteArray("a\0b\n", 4);
        QTest::newRow("truncated at the end")
            << QByteArray("x\n\xE5\x87") << QByteArray("x\n\xE5\x87\n");
    }
    void malformedBytesPassThrough()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, deduped);
        QCOMPARE(runUtf8(Tool::Dedupe, input, TextLayout::Lines, {}, 0, 1), deduped);
        QCOMPARE(runUtf8(Tool::Contains, input, TextLayout::Lines, u" "_s, 0, 1),
                 runUtf8(Tool::Newline, input, TextLayout::Lines, {}, 0, 1));
    }

    // Every byte is either in the piece the cursor gives or in a separator.
    void pieceAtAgreesWithCursor()
    {
        QRandomGenerator random(3);
        for (int round = 0; round < 200; ++round) {
            const QByteArray text = randomText(random, 30).toUtf8();
            for (const TextLayout layout : {TextLayout::Lines, TextLayout::List}) {
                QList<int> owner(text.size(), -1);
                QList<PieceSpan> spans;
                PieceCursor cursor(text, layout);
                for (QByteArrayView piece; cursor.next(&piece);) {
                    const qsizetype begin = piece.data() - text.constData();
                    for (qsizetype i = begin; i < begin + piece.size(); ++i)
                        owner[i] = int(spans.size());
                    spans.append({begin, begin + piece.size(), 0});
                }
                for (qsizetype pos = 0; pos < text.size(); ++pos) {
                    for (const bool fromPieceStart : {false, true}) {
                        const qsizetype from =
                            fromPieceStart && owner[pos] >= 0 ? spans[owner[pos]].begin : 0;
                        PieceSpan span;
                        const bool inPiece = pieceAt(text, layout, from, pos, &span);
                        QCOMPARE(inPiece, owner[pos] >= 0);
                        if (inPiece) {
                            QCOMPARE(span.begin, spans[owner[pos]].begin);
                            QCOMPARE(span.end, spans[owner[pos]].end);
                        }
                    }
                }
            }
        }
    }

    void pieceSetMatchesQSet_data()
    {
        QTest::addColumn<int>("layout");
        QTest::newRow("lines") << int(TextLayout::Lines);
        QTest::newRow("list") << int(TextLayout::List);
    }
    // Many distinct pieces, growth of the table, repeats found again; pieces
    // that differ only by a CR before the separator stay apart.
    void pieceSetMatchesQSet()
    {
        QFETCH(int, layout);
        QRandomGenerator random(9);
        QByteArray text;
        for (int i = 0; i < 60000; ++i) {
            const int length = int(random.bounded(0, 12));
            for (int j = 0; j < length; ++j)
                text += "ab\r"[random.bounded(3)]; // few letters: many repeats
            text += random.bounded(2) ? "\r\n" : "\n";
        }
        std::vector<QByteArrayView> pieces;
        PieceCursor cursor(text, TextLayout(layout));
        for (QByteArrayView piece; cursor.next(&piece);)
            pieces.push_back(piece);

        PieceSet set(text, TextLayout(layout));
        const auto added = std::make_unique<bool[]>(pieces.size());
        set.insertMany(pieces.data(), qsizetype(pieces.size()), added.get());
        QSet<QByteArray> model;
        for (size_t i = 0; i < pieces.size(); ++i) {
            const QByteArray bytes = pieces[i].toByteArray();
            QCOMPARE(added[i], !model.contains(bytes));
            model.insert(bytes);
        }
        QCOMPARE(set.size(), qsizetype(model.size()));
        for (const QByteArrayView piece : pieces)
            QVERIFY(!set.insert(piece));
    }
};

QTEST_APPLESS_MAIN(TestUtf8Tools)
#include "tst_utf8_tools.moc"
