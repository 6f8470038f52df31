#pragma once

#include "spreadsheet/sheet.h"

#include <QObject>

namespace vantorix::config {
struct Settings;
}

namespace vantorix::app {

class MainWindow;

// The list box's right-click menu: the text box's own edit actions, then
// "导出为 Excel…" and "导出为 CSV…" (the list's keywords as a spreadsheet
// file, through the same save dialog as "导出txt") and "按词根分组" (the list
// reordered group by group through paste-back, one undoable edit).
class ListMenuBinder : public QObject
{
    Q_OBJECT
public:
    ListMenuBinder(MainWindow &window, const config::Settings &settings);

private:
    void showMenu(const QPoint &position);
    void exportSheet(spreadsheet::SheetFormat format);
    void groupByRoot();

    MainWindow &m_window;
};

} // namespace vantorix::app
