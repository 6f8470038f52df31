#pragma once

#include "common/result.h"
#include "spreadsheet/sheet.h"

#include <QList>
#include <QString>
#include <optional>

namespace vantorix::cli {

// `mine --format xlsx|csv --output FILE`: the accepted keywords are kept and
// written when the run ends, one a row: keyword, generation, parent keyword
// and the root group the keyword falls in among all of them, then the
// engine that found it when a run names engines.
class MineSheet
{
public:
    MineSheet(spreadsheet::SheetFormat format, QString path);

    // From --format and --output: none when the format is no spreadsheet;
    // the error is a usage error.
    static Result<std::optional<MineSheet>> fromArgs(std::optional<spreadsheet::SheetFormat> format,
                                                     const QString &path);

    // Whether the file can be written, asked before the run mines anything;
    // the error names the file.
    Result<> checkOutput() const;
    void add(const QString &keyword, int generation, const QString &parent,
             const QString &engine = {});
    // The error names the file.
    Result<spreadsheet::SheetWritten> write(const spreadsheet::StopCheck &stopped) const;

private:
    struct Row
    {
        QString keyword;
        int generation;
        QString parent;
        QString engine;
    };

    spreadsheet::SheetFormat m_format;
    QString m_path;
    QList<Row> m_rows;
    bool m_engines = false; // some row names its engine
};

} // namespace vantorix::cli
