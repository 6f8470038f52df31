#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// A spreadsheet file as another program reads it (see read_sheet.py): the
// rows of cells, and for XLSX "freeze", "filter" and "boldTitles".
struct SheetReadBack
{
    QList<QStringList> rows;
    QJsonObject details;
    QString error; // empty when the reader ran
};

// Wine connects no pipes between a Windows test and a Linux program.
#ifdef Q_OS_WIN
#define SKIP_WITHOUT_SHEET_READER()                                                                \
    QSKIP("the sheet reader is a Linux program, out of a Windows test's reach")
#else
#define SKIP_WITHOUT_SHEET_READER()
#endif

// `format` is "xlsx" or "csv".
SheetReadBack readSheetBack(const QString &format, const QString &path);

// A CSV cell's text: the leading apostrophe that guards a formula-like cell
// (or one beginning with an apostrophe) removed.
QString unguardedCsvCell(const QString &cell);
