#include "data_table.h"
#include "sheet_reader.h"
#include "spreadsheet/sheet.h"
#include "spreadsheet/xlsx_writer.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace vantorix::spreadsheet;
using namespace Qt::StringLiterals;

// What the writers leave in a file, as a spreadsheet reader sees it.
class TestSheetFiles : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;

    // Keywords a naive writer would break: separators, quotes, line breaks,
    // formula starters, spaces at either end, characters beyond the BMP,
    // control characters and text that reads like their XLSX escapes.
    static QStringList awkward()
    {
        return {u"减肥茶"_s,       u"a,b"_s,         u"say \"hi\", ok"_s,
                u"line\nbreak"_s,  u"=SUM(1,2)"_s,   u"+8613800138000"_s,
                u"-减肥"_s,        u"@提及"_s,       u"'引号"_s,
                u"\tlink"_s,       u"\r=1"_s,        u"  spaces  "_s,
                u"iphone15价格"_s, u"表情😀"_s,       u"cr\ralone"_s,
                u"nul\0byte"_s,    u"ctl\u0001ch"_s, u"ctl_x0001_ch"_s,
                u"_x005f_x\x1f"_s, u"\uFFFEnon"_s};
    }

private Q_SLOTS:
    // The cells read back are the keywords, but for those over the limit.
    void keywordsReadBackExactly_data()
    {
        // cut: the cells, when some were cut
        columns<QString, QStringList, QStringList>("format", "keywords", "cut");
        QTest::newRow("xlsx") << u"xlsx"_s << awkward() << QStringList();
        QTest::newRow("csv") << u"csv"_s << awkward() << QStringList();
        QTest::newRow("xlsx, title only") << u"xlsx"_s << QStringList() << QStringList();
        QTest::newRow("csv, title only") << u"csv"_s << QStringList() << QStringList();
        const QString a(32767, u'a');
        // Never cut inside a surrogate pair or an escape; the CSV guard counts.
        QTest::newRow("xlsx, over the limit")
            << u"xlsx"_s << QStringList{a, a + u'b', a.left(32766) + u"😀"_s, a.left(32761) + u'\0'}
            << QStringList{a, a, a.left(32766), a.left(32761)};
        QTest::newRow("csv, over the limit") << u"csv"_s << QStringList{a, a + u'b', u'=' + a}
                                             << QStringList{a, a, u'=' + a.left(32765)};
    }
    void keywordsReadBackExactly()
    {
        QFETCH(QString, format);
        QFETCH(QStringList, keywords);
        QFETCH(QStringList, cut);
        const QString path = dir.filePath(u"keywords."_s + format);
        const QList<QStringView> list(keywords.cbegin(), keywords.cend());
        const auto written = writeSheet(path, keywordSheet(list), *parseSheetFormat(format));
        QVERIFY2(written.ok(), qPrintable(written.error()));
        qsizetype cutCells = 0;
        for (qsizetype i = 0; i < cut.size(); ++i)
            cutCells += cut[i] != keywords[i];
        QCOMPARE(written->cutCells, cutCells);
        // The first keyword of those rows fits, the second is cut.
        QCOMPARE(written->warning().contains(u"the first in row 3"_s), cutCells > 0);

        SKIP_WITHOUT_SHEET_READER();
        const SheetReadBack back = readSheetBack(format, path);
        QVERIFY2(back.error.isEmpty(), qPrintable(back.error));
        QCOMPARE(back.rows.value(0), QStringList{u"关键词"_s});
        QStringList cells;
        for (const QStringList &row : back.rows.mid(1))
            cells.append(row.join(u'|'));
        if (format == u"csv") {
            QVERIFY(back.details[u"bom"_s].toBool());
            for (qsizetype i = 0; i < cells.size(); ++i) {
                // Only a formula-like cell, or one beginning with an apostrophe, is guarded.
                const bool guarded = QStringLiteral("=+-@'\t\r").contains(keywords[i].front());
                QCOMPARE(cells[i].startsWith(u'\''), guarded);
                cells[i] = unguardedCsvCell(cells[i]);
            }
        } else {
            QCOMPARE(back.details[u"freeze"_s].toString(), u"A2"_s);
            const QString filter = u"A1:A"_s + QString::number(keywords.size() + 1);
            QCOMPARE(back.details[u"filter"_s].toString(), keywords.isEmpty() ? u"A1"_s : filter);
            QVERIFY(back.details[u"boldTitles"_s].toBool());
        }
        QCOMPARE(cells, cut.isEmpty() ? keywords : cut);
    }

    void tooManyRowsForOneWorksheet()
    {
        const Sheet sheet{{{u"关键词"_s}}, kXlsxMaxRows + 1, [](qsizetype, int) { return u"x"_s; }};
        const QString path = dir.filePath(u"huge.xlsx"_s);
        const auto written = writeXlsx(path, sheet);
        QVERIFY(!written.ok());
        QVERIFY(written.error().contains(u"at most 1048575 keywords"_s));
        QVERIFY(!QFileInfo::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestSheetFiles)
#include "tst_sheet_files.moc"
