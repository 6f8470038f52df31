#include "layout/classic_layout.h"
#include "mining/jcf.h"
#include "mining/seen_keywords.h"

#include <QRandomGenerator>
#include <QTest>

using namespace vantorix::mining;

namespace {

QString links(const QStringList &texts)
{
    QString block;
    for (const QString &text : texts)
        block +=
            QStringLiteral("<td><a href=\"/s?wd=x&f=1\">") + text + QStringLiteral("</a></td>");
    return block;
}

} // namespace

class HarvestTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void harvest_data();
    void harvest();
    void framedLookupMatchesTextSearch_data();
    void framedLookupMatchesTextSearch();
    void appendsSplitAcrossSeparator();
};

void HarvestTest::harvest_data()
{
    QTest::addColumn<QString>("block");
    QTest::addColumn<int>("minLength");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("seen");
    QTest::addColumn<QStringList>("expected");

    const QString off = QStringLiteral("未开启");
    QTest::newRow("links in page order")
        << links({QStringLiteral("减肥食谱"), QStringLiteral("abc")}) << 0 << off << QString()
        << QStringList{QStringLiteral("减肥食谱"), QStringLiteral("abc")};
    QTest::newRow("short link skipped, later ones kept")
        << links({QStringLiteral("abc"), QStringLiteral("de"), QStringLiteral("fghi")}) << 2 << off
        << QString() << QStringList{QStringLiteral("abc"), QStringLiteral("fghi")};
    QTest::newRow("empty link skipped with negative minimum")
        << links({QString(), QStringLiteral("a")}) << -1 << off << QString()
        << QStringList{QStringLiteral("a")};
    QTest::newRow("length counts characters, not bytes")
        << links({QStringLiteral("减肥"), QStringLiteral("减肥茶")}) << 2 << off << QString()
        << QStringList{QStringLiteral("减肥茶")};
    QTest::newRow("start marker without end marker ends the scan")
        << links({QStringLiteral("abc")}) + QStringLiteral("<a href=\"y&f=1\">dangling") << 0 << off
        << QString() << QStringList{QStringLiteral("abc")};
    QTest::newRow("markers ignore case, text keeps it")
        << QStringLiteral("<A HREF=\"y&F=1\">MiXed</A>") << 0 << off << QString()
        << QStringList{QStringLiteral("MiXed")};
    QTest::newRow("filter text holding 未开启 is off")
        << links({QStringLiteral("abc"), QStringLiteral("xyz")}) << 0 << QStringLiteral("(未开启)")
        << QString() << QStringList{QStringLiteral("abc"), QStringLiteral("xyz")};
    QTest::newRow("filter ignores case")
        << links({QStringLiteral("xaby"), QStringLiteral("xy"), QStringLiteral("减肥ab")}) << 0
        << QStringLiteral("AB") << QString()
        << QStringList{QStringLiteral("xaby"), QStringLiteral("减肥ab")};
    QTest::newRow("seen keyword dropped")
        << links({QStringLiteral("alpha"), QStringLiteral("beta")}) << 0 << off
        << QStringLiteral("\r\nalpha\r\n") << QStringList{QStringLiteral("beta")};
    QTest::newRow("seen test needs the whole line")
        << links({QStringLiteral("alpha"), QStringLiteral("pha")}) << 0 << off
        << QStringLiteral("\r\nalphabet\r\nal\r\n")
        << QStringList{QStringLiteral("alpha"), QStringLiteral("pha")};
    QTest::newRow("seen test ignores case") << links({QStringLiteral("alpha")}) << 0 << off
                                            << QStringLiteral("\r\nALPHA\r\n") << QStringList{};
    QTest::newRow("twin links in one block both kept")
        << links({QStringLiteral("abc"), QStringLiteral("abc")}) << 0 << off << QString()
        << QStringList{QStringLiteral("abc"), QStringLiteral("abc")};
    QTest::newRow("link text spanning two seen lines is a duplicate")
        << links({QStringLiteral("a\r\nb")}) << 0 << off << QStringLiteral("\r\na\r\nb\r\n")
        << QStringList{};
    QTest::newRow("seen line holding a line break hides its parts")
        << links({QStringLiteral("b"), QStringLiteral("c")}) << 0 << off
        << QStringLiteral("\r\na\r\nb\r\nc\rd\r\n") << QStringList{QStringLiteral("c")};
}

void HarvestTest::harvest()
{
    QFETCH(QString, block);
    QFETCH(int, minLength);
    QFETCH(QString, filter);
    QFETCH(QString, seen);
    QFETCH(QStringList, expected);

    SeenKeywords seenKeywords;
    seenKeywords.reset(seen);
    QStringList accepted;
    const QString result = jcf(vantorix::layout::classicLinkTexts(block), {minLength, filter},
                               seenKeywords, [&](const QString &word) { accepted << word; });
    QCOMPARE(accepted, expected);
    QString joined;
    for (const QString &word : expected)
        joined += word + QStringLiteral("\r\n");
    QCOMPARE(result, joined);
}

void HarvestTest::framedLookupMatchesTextSearch_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 12; ++seed)
        QTest::newRow(qPrintable(QString::number(seed))) << seed;
}

// The index must answer exactly as a case-insensitive search of the text for
// CRLF + word + CRLF, whatever line breaks and letter cases the pieces hold.
void HarvestTest::framedLookupMatchesTextSearch()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const QStringList atoms = {QStringLiteral("a"),    QStringLiteral("A"),  QStringLiteral("b"),
                               QStringLiteral("\r\n"), QStringLiteral("\r"), QStringLiteral("\n"),
                               QStringLiteral("Σ"),    QStringLiteral("σ"),  QStringLiteral("减")};
    auto randomText = [&](int maxAtoms) {
        QString text;
        const int n = int(random.bounded(maxAtoms + 1));
        for (int i = 0; i < n; ++i)
            text += atoms[random.bounded(int(atoms.size()))];
        return text;
    };

    SeenKeywords seen;
    seen.reset(randomText(6));
    for (int step = 0; step < 40; ++step) {
        seen.append(randomText(6));
        for (int probe = 0; probe < 20; ++probe) {
            const QString word = randomText(3);
            const bool expected = seen.text().contains(
                QStringLiteral("\r\n") + word + QStringLiteral("\r\n"), Qt::CaseInsensitive);
            if (seen.containsFramed(word) != expected)
                QFAIL(qPrintable(
                    QStringLiteral("word %1 in %2")
                        .arg(QString::fromLatin1(word.toUtf8().toPercentEncoding()),
                             QString::fromLatin1(seen.text().toUtf8().toPercentEncoding()))));
        }
    }
}

void HarvestTest::appendsSplitAcrossSeparator()
{
    SeenKeywords seen;
    seen.reset(QStringLiteral("\r\nabc\r"));
    QVERIFY(!seen.containsFramed(QStringLiteral("abc")));
    seen.append(QStringLiteral("\nxyz\r\n"));
    QVERIFY(seen.containsFramed(QStringLiteral("abc")));
    QVERIFY(seen.containsFramed(QStringLiteral("XYZ")));
    QCOMPARE(seen.text(), QStringLiteral("\r\nabc\r\nxyz\r\n"));
    seen.reset(QStringLiteral("\r\nnew\r\n"));
    QVERIFY(!seen.containsFramed(QStringLiteral("abc")));
    QVERIFY(seen.containsFramed(QStringLiteral("new")));
}

QTEST_GUILESS_MAIN(HarvestTest)
#include "tst_harvest.moc"
