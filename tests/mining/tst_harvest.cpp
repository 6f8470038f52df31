#include "data_table.h"
#include "layout/classic_layout.h"
#include "mining/jcf.h"
#include "mining/readouts.h"
#include "mining/seen_keywords.h"

#include <QRandomGenerator>
#include <QTest>

using namespace vantorix::mining;
using namespace Qt::StringLiterals;

// A related-searches block holding the link texts `texts` (',' separated).
static QString links(const QString &texts)
{
    QString block;
    for (const QString &text : texts.split(u','))
        block += u"<td><a href=\"/s?wd=x&f=1\">"_s + text + u"</a></td>"_s;
    return block;
}

class HarvestTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void harvest_data()
    {
        // expected: ',' separated
        columns<QString, int, QString, QString, QString>("block", "minLength", "filter", "seen",
                                                         "expected");

        const QString off = kFilterOff;
        QTest::newRow("short link skipped by characters, later ones kept")
            << links(u"减肥茶,减肥,fghi"_s) << 2 << off << QString() << u"减肥茶,fghi"_s;
        QTest::newRow("empty link skipped with negative minimum")
            << links(u",a"_s) << -1 << off << QString() << u"a"_s;
        QTest::newRow("start marker without end marker ends the scan")
            << links(u"abc"_s) + u"<a href=\"y&f=1\">dangling"_s << 0 << off << QString()
            << u"abc"_s;
        QTest::newRow("filter text holding 未开启 is off")
            << links(u"abc,xyz"_s) << 0 << u"(未开启)"_s << QString() << u"abc,xyz"_s;
        QTest::newRow("filter ignores case")
            << links(u"xaby,xy,减肥ab"_s) << 0 << u"AB"_s << QString() << u"xaby,减肥ab"_s;
        QTest::newRow("seen test: whole line, any case")
            << links(u"alpha,pha,beta"_s) << 0 << off << u"\r\nALPHA\r\nalphabet\r\n"_s
            << u"pha,beta"_s;
    }
    void harvest()
    {
        QFETCH(QString, block);
        QFETCH(int, minLength);
        QFETCH(QString, filter);
        QFETCH(QString, seen);
        SeenKeywords seenKeywords;
        seenKeywords.reset(seen);
        QStringList accepted;
        const QString result = jcf(vantorix::layout::classicLinkTexts(block), {minLength, filter},
                                   seenKeywords, [&](const QString &word) { accepted << word; });
        QTEST(accepted.join(u','), "expected");
        QCOMPARE(result, accepted.isEmpty() ? QString() : accepted.join(u"\r\n") + u"\r\n");
    }

    // The index must answer exactly as a case-insensitive search of the text
    // for CRLF + word + CRLF, whatever line breaks and letter cases the pieces
    // hold, also where a CRLF is split between two appends.
    void framedLookupMatchesTextSearch()
    {
        QRandomGenerator random(1);
        const QStringList atoms = u"a|A|b|\r\n|\r|\n|Σ|σ|减"_s.split(u'|');
        auto randomText = [&](int maxAtoms) {
            QString text;
            const int n = int(random.bounded(maxAtoms + 1));
            for (int i = 0; i < n; ++i)
                text += atoms[random.bounded(int(atoms.size()))];
            return text;
        };
        SeenKeywords seen;
        for (int round = 0; round < 12; ++round) {
            seen.reset(randomText(6)); // forgets all that came before
            for (int step = 0; step < 40; ++step) {
                seen.append(randomText(6));
                for (int probe = 0; probe < 20; ++probe) {
                    const QString word = randomText(3);
                    QCOMPARE(seen.containsFramed(word),
                             seen.text().contains(u"\r\n" + word + u"\r\n", Qt::CaseInsensitive));
                }
            }
        }
    }

    void elapsedTimeWithTheClockSetBack()
    {
        const QDateTime start = QDateTime::currentDateTime();
        QCOMPARE(elapsedSeconds(start, start.addSecs(-75)), 75);
    }
};

QTEST_GUILESS_MAIN(HarvestTest)
#include "tst_harvest.moc"
