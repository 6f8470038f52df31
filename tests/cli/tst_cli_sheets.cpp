#include "cli_process.h"
#include "data_table.h"
#include "sheet_reader.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

using namespace Qt::StringLiterals;

// `export xlsx|csv FILE` and `mine` into a sheet, run as a process on real input.
class TestCliSheets : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;

private Q_SLOTS:
    void exportWritesTheKeywords_data()
    {
        columns<QStringList, QByteArray, QStringList, QByteArray>("args", "input", "keywords",
                                                                  "err");
        QTest::newRow("xlsx from lines, empty ones left out")
            << QStringList{u"export"_s, u"xlsx"_s} << QByteArray("减肥茶\r\n=SUM(1,2)\n\na,\"b\"\n")
            << QStringList{u"减肥茶"_s, u"=SUM(1,2)"_s, u"a,\"b\""_s} << QByteArray();
        QTest::newRow("csv from the raw list keeps a lone LF")
            << QStringList{u"--raw"_s, u"export"_s, u"csv"_s} << QByteArray("line\nbreak\r\n@x\r\n")
            << QStringList{u"line\nbreak"_s, u"@x"_s} << QByteArray();
        // Control characters and their escapes are the writer test's.
        QTest::newRow("xlsx: a NUL byte read in, a long keyword cut")
            << QStringList{u"export"_s, u"xlsx"_s} << "nul\0byte\n"_ba + QByteArray(40000, 'k')
            << QStringList{u"nul\0byte"_s, QString(32767, u'k')}
            << "vantorix-cli: warning: row 3 held a cell longer than 32767 characters"_ba;
    }
    void exportWritesTheKeywords()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        const QString format = args[args.indexOf(u"export"_s) + 1].toLower();
        const QString path =
            dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u'.' + format);
        args.insert(args.indexOf(u"export"_s) + 2, path);
        const CliResult run = runCli(args, input);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray());
        QFETCH(QByteArray, err);
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.startsWith(err), run.err.constData());
        SKIP_WITHOUT_SHEET_READER();
        const SheetReadBack back = readSheetBack(format, path);
        QVERIFY2(back.error.isEmpty(), qPrintable(back.error));
        QStringList cells;
        for (const QStringList &row : back.rows.mid(1))
            cells.append(format == u"csv" ? unguardedCsvCell(row.value(0)) : row.value(0));
        QTEST(cells, "keywords");
    }

    // Either sheet of a run holds its tab-separated lines in the first three
    // columns, and each keyword's root in the fourth.
    void mineWritesASheet()
    {
        const QStringList run{u"--sandbox"_s, u"mine"_s, u"--limit"_s, u"40"_s, u"--quiet"_s};
        const CliResult tsv = runCli(run + QStringList{u"--format"_s, u"tsv"_s});
        QCOMPARE(tsv.exitCode, 0);
        QStringList tsvLines = QString::fromUtf8(tsv.out).split(u'\n', Qt::SkipEmptyParts);
        for (QString &line : tsvLines)
            line = line.section(u'\t', 0, 2);
        QVERIFY(tsvLines.size() > 10);
        const QStringList formats{u"xlsx"_s, u"csv"_s};
        for (const QString &format : formats) {
            const QString path = dir.filePath(u"mined."_s + format);
            const CliResult sheet =
                runCli(run + QStringList{u"--format"_s, format, u"--output"_s, path});
            QCOMPARE(sheet.exitCode, 0);
            QCOMPARE(sheet.out, QByteArray());
        }
        SKIP_WITHOUT_SHEET_READER();
        for (const QString &format : formats) {
            const QList<QStringList> rows =
                readSheetBack(format, dir.filePath(u"mined."_s + format)).rows;
            QCOMPARE(rows.value(0), (QStringList{u"关键词"_s, u"层级"_s, u"来源词"_s, u"词根"_s}));
            QStringList lines;
            for (const QStringList &row : rows.mid(1)) {
                lines.append(row.mid(0, 3).join(u'\t'));
                QVERIFY2(row[3] == u"其他" || row[0].contains(row[3], Qt::CaseInsensitive),
                         qPrintable(row.join(u',')));
            }
            QCOMPARE(lines, tsvLines);
        }
    }

    void usageAndWriteErrors_data()
    {
        // err: what standard error says
        columns<QString, int, QString>("args", "exitCode", "err");
        const auto native = [](const QString &folder) {
            return QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath());
        };
        QTest::newRow("xlsx without a file") << u"export xlsx"_s << 2 << u"needs the FILE"_s;
        QTest::newRow("comma with a file") << u"export comma f"_s << 2 << u"takes no file"_s;
        QTest::newRow("a folder that is not there")
            << u"export csv /nonexistent/folder/f.csv"_s << 1
            << u"cannot write /nonexistent/folder/f.csv: there is no folder "_s +
                   native(u"/nonexistent/folder"_s);
        QTest::newRow("group --min-size 0") << u"group --min-size 0"_s << 2 << u"--min-size"_s;
        QTest::newRow("mine csv without --output") << u"mine --format csv"_s << 2 << u"--output"_s;
        QTest::newRow("group --raw --format tsv")
            << u"group --raw --format tsv"_s << 2 << u"exclude each other"_s;
        // Told before the first query, which would fail: nothing is mined.
        const QString mine = u"--search-host 127.0.0.1:1 mine --format xlsx --output "_s;
        QTest::newRow("mine into a folder that is not there")
            << mine + u"/nonexistent/f.xlsx"_s << 1
            << u"there is no folder "_s + native(u"/nonexistent"_s) + u'\n';
        QTest::newRow("mine into a folder") << mine + u"."_s << 1 << u"write .: it is a folder"_s;
#ifdef Q_OS_LINUX
        QTest::newRow("mine where no file can be made")
            << mine + u"/proc/f.xlsx"_s << 1 << u"cannot write /proc/f.xlsx: "_s;
#endif
    }
    void usageAndWriteErrors()
    {
        QFETCH(QString, args);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        const CliResult run = runCli(args.split(u' '), "减肥茶\n");
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(run.err.startsWith("vantorix-cli: ") && run.err.count('\n') == 1 &&
                     QString::fromUtf8(run.err).contains(err),
                 run.err.constData());
    }

    // A stop signal while the workbook is written: its temporary file, made
    // beside the output, goes with it.
    void stopSignalLeavesNoTemporaryFile()
    {
#ifndef Q_OS_UNIX
        QSKIP("sends SIGTERM");
#else
        QByteArray keywords;
        for (int i = 0; i < 1000000; ++i)
            keywords += "关键词" + QByteArray::number(i) + '\n';
        QTemporaryDir out;
        const QDir folder(out.path());
        const CliResult run =
            runCli({u"export"_s, u"xlsx"_s, folder.filePath(u"k.xlsx"_s)}, keywords, CliInput::File,
                   [&](QProcess &process) {
                       QTRY_VERIFY_WITH_TIMEOUT(!folder.isEmpty(QDir::Files | QDir::Hidden), 60000);
                       ::kill(pid_t(process.processId()), SIGTERM);
                   });
        QCOMPARE(run.exitCode, 128 + SIGTERM);
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList());
#endif
    }
};

QTEST_GUILESS_MAIN(TestCliSheets)
#include "tst_cli_sheets.moc"
