#include "app/list_tools_binder.h"

#include "app/busy_button.h"
#include "app/keyword_list_box.h"
#include "app/main_window.h"
#include "app/save_dialog.h"
#include "list/dedupe.h"
#include "list/export_text.h"
#include "list/filters.h"
#include "list/keyword_list.h"
#include "list/piece_tool.h"
#include "list/shuffle.h"
#include "list/text_file.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vantorix::app {

namespace {

QString utf8Filter()
{
    return QCoreApplication::translate("window", "UTF-8 text file (*.txt)");
}

QString gbkFilter()
{
    return QCoreApplication::translate("window", "GBK text file (*.txt)");
}

} // namespace

ListToolsBinder::ListToolsBinder(MainWindow &window, const config::Settings &)
    : QObject(&window), m_window(window), m_controls(window.controls())
{
    const Controls &c = m_controls;
    const auto onClick = [this](QPushButton *button, auto handler) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    onClick(c.Command15, [this] {
        filterByText(m_controls.Command15, m_controls.Text9, &list::keepContaining);
    });
    onClick(c.Command8, [this] {
        filterByText(m_controls.Command8, m_controls.Text2, &list::keepNotContaining);
    });
    onClick(c.Command13, [this] { keepLongerThan(); });
    onClick(c.Command6, [this] { removeDuplicates(); });
    onClick(c.Command2, [this] { shuffle(); });
    onClick(c.Command3, [this] { exportList(); });
    onClick(c.Command9, [this] { m_controls.Text1->clearList(); });
}

void ListToolsBinder::filterByText(QPushButton *button, const QLineEdit *argumentBox, TextTest keep)
{
    const BusyButton busy(button);
    const QString needle = list::filterArgument(argumentBox->text());
    if (needle.isEmpty())
        return;
    KeywordListBox *box = m_controls.Text1;
    box->pasteBack(list::applyPieceTool(
        box->text(), [&](const QStringList &pieces) { return keep(pieces, needle); }));
}

void ListToolsBinder::keepLongerThan()
{
    const BusyButton busy(m_controls.Command13);
    const int minLength = list::parseFlooredNumber(m_controls.Text8->text()).value_or(0);
    KeywordListBox *box = m_controls.Text1;
    box->pasteBack(list::applyPieceTool(box->text(), [minLength](const QStringList &pieces) {
        return list::keepLongerThan(pieces, minLength);
    }));
}

void ListToolsBinder::removeDuplicates()
{
    const BusyButton busy(m_controls.Command6);
    KeywordListBox *box = m_controls.Text1;
    box->pasteBack(list::RemoveDuplicateLines(box->text(), list::kSeparator));
}

void ListToolsBinder::shuffle()
{
    const BusyButton busy(m_controls.Command2);
    KeywordListBox *box = m_controls.Text1;
    box->pasteBack(list::ShuffleLines(box->text(), list::kSeparator));
}

void ListToolsBinder::exportList()
{
    list::ExportSeparator separator = list::ExportSeparator::Newline;
    if (m_controls.Option8->isChecked())
        separator = list::ExportSeparator::Comma;
    else if (m_controls.Option9->isChecked())
        separator = list::ExportSeparator::Bar;
    // The text is taken now and written once a file has been chosen.
    const QString text = list::exportText(m_controls.Text1->text(), separator);
    askWhereToSave(m_window,
                   {QCoreApplication::translate("window", "Export txt"),
                    {utf8Filter(), gbkFilter()},
                    QStringLiteral("txt"),
                    QStringLiteral("长尾词")},
                   [text](const QString &path, const QString &filter) {
                       return list::writeTextFile(path, text,
                                                  filter == gbkFilter() ? list::TextEncoding::Gbk
                                                                        : list::TextEncoding::Utf8);
                   });
}

} // namespace vantorix::app
