#include "sheet_reader.h"
#include "window_fixture.h"

#include <QFileDialog>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// The list box's right-click menu: spreadsheet export and grouping by root.
class ListMenuTest : public QObject
{
    Q_OBJECT
private:
    WindowFixture f;
    QTemporaryDir dir;

private Q_SLOTS:
    void init() { QVERIFY(f.open()); }
    void cleanup() { f.window.reset(); }

    void groupByRootIsOneUndoableEdit()
    {
        const QString list = u"手机价格\r\n减肥茶\r\n减肥药\r\n\r\n减肥方法"_s;
        const QString grouped = u"减肥茶\r\n减肥药\r\n减肥方法\r\n手机价格\r\n"_s;
        f.list()->pasteBack(list);
        f.contextMenu(f.list()->viewport(), u"按词根分组"_s);
        QCOMPARE(f.list()->text(), grouped);
        QCOMPARE(WindowFixture::clipboardText(), grouped);
        f.list()->undo();
        QCOMPARE(f.list()->text(), list);
    }

    void exportToExcel()
    {
        const QString list = u"减肥茶\r\n\r\nline\nbreak\r\n=1+1\r\n"_s;
        f.list()->pasteBack(list);
        f.contextMenu(f.list()->viewport(), u"导出为 Excel…"_s);
        // The same save dialog as the text export: window-modal, no loop of its own.
        QFileDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())));
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).fileName(),
                 u"长尾词-"_s + QDate::currentDate().toString(Qt::ISODate) + u".xlsx"_s);
        const QString path = dir.filePath(u"list"_s); // the dialog adds the suffix
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog hides its override

        const SheetReadBack back = readSheetBack(u"xlsx"_s, path + u".xlsx"_s);
        QVERIFY2(back.error.isEmpty(), qPrintable(back.error));
        QStringList cells;
        for (const QStringList &row : back.rows.mid(1))
            cells.append(row.value(0));
        QCOMPARE(cells, (QStringList{u"减肥茶"_s, u"line\nbreak"_s, u"=1+1"_s}));
        QCOMPARE(f.list()->text(), list);
        // The next one opens where this one saved.
        f.contextMenu(f.list()->viewport(), u"导出为 CSV…"_s);
        QTRY_VERIFY((dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())));
        QCOMPARE(dialog->directory(), QDir(dir.path()));
    }
};

QTEST_MAIN(ListMenuTest)
#include "tst_list_menu.moc"
