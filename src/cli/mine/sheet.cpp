#include "cli/mine/sheet.h"

#include "list/output_file.h"
#include "list/root_groups.h"

#include <QCoreApplication>

namespace vantorix::cli {

MineSheet::MineSheet(spreadsheet::SheetFormat format, QString path)
    : m_format(format), m_path(std::move(path))
{
}

Result<std::optional<MineSheet>> MineSheet::fromArgs(std::optional<spreadsheet::SheetFormat> format,
                                                     const QString &path)
{
    if (!format)
        return std::optional<MineSheet>(); // the keywords' own output
    if (path.isEmpty())
        return failure(QCoreApplication::translate("mine", "--format %1 needs --output FILE")
                           .arg(*format == spreadsheet::SheetFormat::Xlsx ? QStringLiteral("xlsx")
                                                                          : QStringLiteral("csv")));
    return std::optional<MineSheet>(MineSheet(*format, path));
}

Result<> MineSheet::checkOutput() const
{
    if (const Result<> writable = list::checkOutputFile(m_path); !writable)
        return failure(QCoreApplication::translate("mine", "cannot write %1: %2")
                           .arg(m_path, writable.error()));
    return {};
}

void MineSheet::add(const QString &keyword, int generation, const QString &parent,
                    const QString &engine)
{
    m_rows.append({keyword, generation, parent, engine});
    m_engines = m_engines || !engine.isEmpty();
}

Result<spreadsheet::SheetWritten> MineSheet::write(const spreadsheet::StopCheck &stopped) const
{
    QList<QStringView> keywords;
    keywords.reserve(m_rows.size());
    for (const Row &row : m_rows)
        keywords.append(row.keyword);
    const Result<QList<list::RootGroup>> groups = list::groupByRoot(keywords);
    if (!groups)
        return failure(groups.error());
    QStringList groupOf(m_rows.size());
    for (const list::RootGroup &group : *groups) {
        for (const qsizetype i : group.keywords)
            groupOf[i] = group.name;
    }

    using spreadsheet::CellKind;
    QList<spreadsheet::Column> columns{{QStringLiteral("关键词")},
                                       {QStringLiteral("层级"), CellKind::Number},
                                       {QStringLiteral("来源词")},
                                       {QStringLiteral("词根")}};
    if (m_engines)
        columns.append({QStringLiteral("搜索引擎")});
    const spreadsheet::Sheet sheet{columns, m_rows.size(), [&](qsizetype i, int column) {
                                       const Row &row = m_rows[i];
                                       switch (column) {
                                       case 0:
                                           return row.keyword;
                                       case 1:
                                           return QString::number(row.generation);
                                       case 2:
                                           return row.parent;
                                       case 3:
                                           return groupOf[i];
                                       }
                                       return row.engine;
                                   }};
    Result<spreadsheet::SheetWritten> written =
        spreadsheet::writeSheet(m_path, sheet, m_format, stopped);
    if (!written)
        return failure(QCoreApplication::translate("mine", "cannot write %1: %2")
                           .arg(m_path, written.error()));
    return written;
}

} // namespace vantorix::cli
