#include "data_table.h"
#include "list/piece_set.h"
#include "list_tool_pairs.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <memory>

using namespace vantorix::list;
using namespace Qt::StringLiterals;

namespace {

// Every piece gets one tag while the slots still spread: cheap for big sets.
quint64 sameTag(QByteArrayView bytes)
{
    return hashBytes(bytes) & 0xFF'FFFF'FFFFULL;
}

// What trips byte-wise handling: letters with unusual case partners (KELVIN
// SIGN, LONG S, sharp s, sigma, dotted and dotless i), full-width letters, a
// character outside the BMP, U+FFFD itself, NUL, lone CR and LF, and malformed
// UTF-8 (a stray byte, a cut sequence, a lone continuation byte, an overlong).
const QByteArrayList kTokens = [] {
    QByteArrayList tokens =
        u"a A k K \u212A s S \u017F ß \u1E9E σ Σ ς i I \u0130 \u0131 减 肥 😀 ａ Ａ seo SEO \uFFFD"_s
            .toUtf8()
            .split(' ');
    tokens += {" ", "  ", "\r", "\n", "\r\n", "\r\n", QByteArray(1, '\0')};
    tokens += {"\xFF", "\xE5\x87", "\x80", "\xC0\xAF"};
    return tokens;
}();

const QStringList kNeedles = {
    u"k"_s,      u"K"_s,       u"s"_s,           u"ss"_s,     u"σ"_s,   u"ß"_s,   u"\u1E9E"_s,
    u"a k"_s,    u"减肥"_s,    u"ａ"_s,          u"😀"_s,      u"\r"_s,  u"\n"_s,  u"i"_s,
    u"\u0130"_s, u" a "_s,     u"A\r"_s,         u"肥\r\n"_s, u"SEO"_s, u"   "_s, QString(QChar(0)),
    u"\uFFFD"_s, u"\uFFFDß"_s, u"\uFFFD\uFFFD"_s};

QByteArray randomText(QRandomGenerator &random, int tokens)
{
    QByteArray text;
    for (int i = 0; i < tokens; ++i)
        text += kTokens.at(int(random.bounded(quint32(kTokens.size()))));
    return text;
}

} // namespace

// The UTF-8 tools against the QString tools they must agree with.
class TestUtf8Tools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void agreesWithTextTools_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("one LF") << "\n"_ba;
        QTest::newRow("one CRLF") << "\r\n"_ba;
        QTest::newRow("CR before the line end is no line end") << "X\r\nX\r\r\nX\r"_ba;
        QTest::newRow("KELVIN SIGN matches k") << u"\u212Aelvin\r\nkelvin\r\nother\r\n"_s.toUtf8();
        QTest::newRow("LONG S matches s") << u"\u017Feo\nSEO\nx\n"_s.toUtf8();
        QTest::newRow("match at the very end") << "abc\r\nxyzSEO"_ba;
        QTest::newRow("match across a separator") << "a\r\nk\r\n"_ba;
        QTest::newRow("malformed bytes read as U+FFFD")
            << "\xFF\n\xC3\x9F\xFF\n\xEF\xBF\xBD\n\xFF\xC3\x9F\n\xE5\x87\n"_ba;
        for (const int tokens : {6, 25, 120}) {
            QRandomGenerator random{quint32(tokens)};
            for (int round = 0; round < 60; ++round)
                QTest::addRow("%d random tokens, round %d", tokens, round)
                    << randomText(random, tokens);
        }
        // Longer than one vector step, so the wide search and its tail both
        // meet matches, near both ends.
        for (int offset = 0; offset < 40; ++offset)
            QTest::addRow("a match at offset %d", offset)
                << QByteArray(offset, 'x') + "Seo" + QByteArray(40 - offset, 'y') + "\nseo\n";
    }
    void agreesWithTextTools()
    {
        QFETCH(QByteArray, text);
        const std::optional<QString> difference = listToolsDisagree(text, kNeedles);
        QVERIFY2(!difference, qPrintable(difference.value_or(QString())));
    }

    void pieceSetMatchesQSet_data()
    {
        columns<TextLayout, bool>("layout", "tagsCollide");
        QTest::newRow("lines") << TextLayout::Lines << false;
        QTest::newRow("list") << TextLayout::List << false;
        QTest::newRow("lines, every tag colliding") << TextLayout::Lines << true;
        QTest::newRow("list, every tag colliding") << TextLayout::List << true;
    }
    // Many distinct pieces, growth of the table, repeats found again; pieces
    // that differ only by a CR before the separator stay apart.
    void pieceSetMatchesQSet()
    {
        QFETCH(TextLayout, layout);
        QFETCH(bool, tagsCollide);
        QRandomGenerator random(9);
        QByteArray text;
        for (int i = 0; i < 60000; ++i) {
            const int length = int(random.bounded(0, 12));
            for (int j = 0; j < length; ++j)
                text += "ab\r"[random.bounded(3)]; // few letters: many repeats
            text += random.bounded(2) ? "\r\n" : "\n";
        }
        std::vector<QByteArrayView> pieces;
        PieceCursor cursor(text, layout);
        while (const auto piece = cursor.next())
            pieces.push_back(*piece);

        PieceSet set(text, layout, tagsCollide ? sameTag : hashBytes);
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
