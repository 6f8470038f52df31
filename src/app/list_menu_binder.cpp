#include "app/list_menu_binder.h"

#include "app/controls.h"
#include "app/keyword_list_box.h"
#include "app/main_window.h"
#include "app/save_dialog.h"
#include "list/keyword_list.h"
#include "list/root_groups.h"

#include <QCoreApplication>
#include <QMenu>

namespace vantorix::app {

ListMenuBinder::ListMenuBinder(MainWindow &window, const config::Settings &)
    : QObject(&window), m_window(window)
{
    KeywordListBox *box = window.controls().Text1;
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, &ListMenuBinder::showMenu);
}

void ListMenuBinder::showMenu(const QPoint &position)
{
    KeywordListBox *box = m_window.controls().Text1;
    QMenu *menu = box->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addAction(QStringLiteral("导出为 Excel…"), this,
                    [this] { exportSheet(spreadsheet::SheetFormat::Xlsx); });
    menu->addAction(QStringLiteral("导出为 CSV…"), this,
                    [this] { exportSheet(spreadsheet::SheetFormat::Csv); });
    menu->addAction(QStringLiteral("按词根分组"), this, [this] { groupByRoot(); });
    // Shown, not run in a loop of its own; a scroll area reports the
    // position in its viewport.
    menu->popup(box->viewport()->mapToGlobal(position));
}

void ListMenuBinder::exportSheet(spreadsheet::SheetFormat format)
{
    // The keywords are taken now and written once a file has been chosen.
    QStringList keywords = list::splitList(m_window.controls().Text1->text());
    keywords.removeAll(QString());
    const bool xlsx = format == spreadsheet::SheetFormat::Xlsx;
    const SaveQuestion question{
        xlsx ? QCoreApplication::translate("window", "Export as Excel")
             : QCoreApplication::translate("window", "Export as CSV"),
        {xlsx ? QCoreApplication::translate("window", "Excel workbook (*.xlsx)")
              : QCoreApplication::translate("window", "CSV UTF-8 (*.csv)")},
        xlsx ? QStringLiteral("xlsx") : QStringLiteral("csv"),
        QStringLiteral("长尾词")};
    askWhereToSave(m_window, question, [keywords, format](const QString &path, const QString &) {
        const QList<QStringView> views(keywords.cbegin(), keywords.cend());
        const Result<spreadsheet::SheetWritten> written =
            spreadsheet::writeSheet(path, spreadsheet::keywordSheet(views), format);
        return written ? Result<>() : Result<>(failure(written.error()));
    });
}

void ListMenuBinder::groupByRoot()
{
    KeywordListBox *box = m_window.controls().Text1;
    // Like the other list tools, a failure leaves the list as it is, silently.
    if (const Result<QString> grouped = list::groupListText(box->text()))
        box->pasteBack(*grouped);
}

} // namespace vantorix::app
