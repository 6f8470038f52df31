#include "sheet_reader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

SheetReadBack readSheetBack(const QString &format, const QString &path)
{
    SheetReadBack result;
    QProcess python;
    python.start(QStringLiteral(VANTORIX_TEST_PYTHON),
                 {QStringLiteral(VANTORIX_READ_SHEET_SCRIPT), format, path});
    if (!python.waitForFinished(120000) || python.exitCode() != 0) {
        result.error = QString::fromUtf8(python.readAllStandardError()) + python.errorString();
        return result;
    }
    result.details = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    for (const QJsonValue row : result.details.take(QStringLiteral("rows")).toArray())
        result.rows.append(row.toVariant().toStringList());
    return result;
}

QString unguardedCsvCell(const QString &cell)
{
    return cell.startsWith(u'\'') ? cell.sliced(1) : cell;
}
