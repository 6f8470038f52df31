#include "app/list_tools_binder.h"

#include "app/busy_button.h"
#include "app/export_file.h"
#include "app/keyword_list_box.h"
#include "app/main_window.h"
#include "list/dedupe.h"
#include "list/export_text.h"
#include "list/filters.h"
#include "list/keyword_list.h"
#include "list/piece_tool.h"
#include "list/shuffle.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>

namespace vantorix::app {

namespace {

const QString kUtf8Filter = QStringLiteral("文本文件 UTF-8 (*.txt)");
const QString kGbkFilter = QStringLiteral("文本文件 GBK (*.txt)");

void onClick(MainWindow &window, const char *name, QObject *context, auto handler)
{
    if (QAbstractButton *button = window.button(name))
        QObject::connect(button, &QAbstractButton::clicked, context, handler);
}

} // namespace

ListToolsBinder::ListToolsBinder(MainWindow &window, const config::Settings &)
    : QObject(&window), m_window(window)
{
    onClick(window, "Command15", this,
            [this] { filterByText("Command15", "Text9", &list::keepContaining); });
    onClick(window, "Command8", this,
            [this] { filterByText("Command8", "Text2", &list::keepNotContaining); });
    onClick(window, "Command13", this, [this] { keepLongerThan(); });
    onClick(window, "Command6", this, [this] { removeDuplicates(); });
    onClick(window, "Command2", this, [this] { shuffle(); });
    onClick(window, "Command3", this, [this] { exportList(); });
    onClick(window, "Command9", this, [this] { m_window.listBox()->clearList(); });
}

void ListToolsBinder::filterByText(const char *buttonName, const char *argumentBox, TextTest keep)
{
    const BusyButton busy(m_window.button(buttonName));
    const QString needle = list::filterArgument(m_window.textBox(argumentBox)->text());
    if (needle.isEmpty())
        return;
    KeywordListBox *box = m_window.listBox();
    box->pasteBack(list::applyPieceTool(
        box->text(), [&](const QStringList &pieces) { return keep(pieces, needle); }));
}

void ListToolsBinder::keepLongerThan()
{
    const BusyButton busy(m_window.button("Command13"));
    const int minLength = list::parseFlooredNumber(m_window.textBox("Text8")->text()).value_or(0);
    KeywordListBox *box = m_window.listBox();
    box->pasteBack(list::applyPieceTool(box->text(), [minLength](const QStringList &pieces) {
        return list::keepLongerThan(pieces, minLength);
    }));
}

void ListToolsBinder::removeDuplicates()
{
    const BusyButton busy(m_window.button("Command6"));
    KeywordListBox *box = m_window.listBox();
    box->pasteBack(list::RemoveDuplicateLines(box->text(), list::kSeparator));
}

void ListToolsBinder::shuffle()
{
    const BusyButton busy(m_window.button("Command2"));
    KeywordListBox *box = m_window.listBox();
    box->pasteBack(list::ShuffleLines(box->text(), list::kSeparator));
}

void ListToolsBinder::exportList()
{
    list::ExportSeparator separator = list::ExportSeparator::Newline;
    if (m_window.button("Option8")->isChecked())
        separator = list::ExportSeparator::Comma;
    else if (m_window.button("Option9")->isChecked())
        separator = list::ExportSeparator::Bar;
    const QString text = list::exportText(m_window.listBox()->text(), separator);

    // Opened window-modal rather than run in a loop of its own; the text is
    // taken now and written once a file has been chosen.
    auto *dialog =
        new QFileDialog(&m_window, QStringLiteral("导出txt"),
                        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters({kUtf8Filter, kGbkFilter});
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->selectFile(QStringLiteral("长尾词.txt"));
    connect(dialog, &QFileDialog::fileSelected, this, [this, dialog, text](const QString &path) {
        saveExport(path, text, dialog->selectedNameFilter() == kGbkFilter);
    });
    dialog->open();
}

void ListToolsBinder::saveExport(const QString &path, const QString &text, bool gbk)
{
    const QString error =
        writeExportFile(path, text, gbk ? ExportEncoding::Gbk : ExportEncoding::Utf8);
    if (error.isEmpty())
        return;
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("导出txt"),
                                QStringLiteral("无法写入文件：") + QDir::toNativeSeparators(path) +
                                    u'\n' + error,
                                QMessageBox::Ok, &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace vantorix::app
