#include "sheet_reader.h"
#include "window_fixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// The list box's right-click menu: spreadsheet export and grouping by root.
class ListMenuTest : public QObject
{
    Q_OBJECT
private:
    WindowFixture f;
    QTemporaryDir dir;

    // Right-clicks the list box and picks `item` from the menu that opens.
    bool pick(const QString &item)
    {
        QWidget *viewport = f.list()->viewport();
        const QPoint at(10, 10);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &click);
        QMenu *menu = nullptr;
        if (!QTest::qWaitFor([&] {
                return (menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) != nullptr;
            }))
            return false;
        const QList<QAction *> actions = menu->actions();
        for (QAction *action : actions) {
            if (action->text() == item) {
                action->trigger();
                menu->close();
                return true;
            }
        }
        return false;
    }

    // The window-modal dialog or box open over the window, once it is there.
    template <typename T> static T *modal()
    {
        T *found = nullptr;
        const bool open = QTest::qWaitFor([&] {
            found = qobject_cast<T *>(QApplication::activeModalWidget());
            return found && found->windowModality() == Qt::WindowModal;
        });
        return open ? found : nullptr;
    }

private Q_SLOTS:
    void init() { QVERIFY(f.open()); }
    void cleanup() { f.window.reset(); }

    void groupByRootIsOneUndoableEdit()
    {
        const QString list = u"手机价格\r\n减肥茶\r\n减肥药\r\n\r\n减肥方法"_s;
        const QString grouped = u"减肥茶\r\n减肥药\r\n减肥方法\r\n手机价格\r\n"_s;
        f.list()->pasteBack(list);
        QVERIFY(pick(u"按词根分组"_s));
        QCOMPARE(f.list()->text(), grouped);
        QCOMPARE(WindowFixture::clipboardText(), grouped);
        f.list()->undo();
        QCOMPARE(f.list()->text(), list);
    }

    void exportWritesTheKeywords_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("format");
        QTest::newRow("Excel") << u"导出为 Excel…"_s << u"xlsx"_s;
        QTest::newRow("CSV") << u"导出为 CSV…"_s << u"csv"_s;
    }
    void exportWritesTheKeywords()
    {
        QFETCH(QString, item);
        QFETCH(QString, format);
        const QString list = u"减肥茶\r\n\r\nline\nbreak\r\n=1+1\r\n"_s;
        f.list()->pasteBack(list);
        QVERIFY(pick(item));
        QFileDialog *dialog = modal<QFileDialog>();
        QVERIFY(dialog);
        const QString path = dir.filePath(u"list"_s); // the dialog adds the suffix
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog hides its override

        const SheetReadBack back = readSheetBack(format, path + u'.' + format);
        QVERIFY2(back.error.isEmpty(), qPrintable(back.error));
        QStringList cells;
        for (const QStringList &row : back.rows.mid(1))
            cells.append(format == u"csv" ? unguardedCsvCell(row.value(0)) : row.value(0));
        QCOMPARE(cells, (QStringList{u"减肥茶"_s, u"line\nbreak"_s, u"=1+1"_s}));
        QCOMPARE(f.list()->text(), list);
    }

    void writeErrorIsReported()
    {
        f.list()->pasteBack(u"a\r\n"_s);
        QVERIFY(pick(u"导出为 CSV…"_s));
        QFileDialog *dialog = modal<QFileDialog>();
        QVERIFY(dialog);
        dialog->selectFile(dir.filePath(u"missing/folder/list.csv"_s));
        static_cast<QDialog *>(dialog)->accept();
        QMessageBox *box = modal<QMessageBox>();
        QVERIFY(box);
        QVERIFY(box->text().contains(u"list.csv"_s));
        box->close();
    }
};

QTEST_MAIN(ListMenuTest)
#include "tst_list_menu.moc"
