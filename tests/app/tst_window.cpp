#include "app/browser_panel.h"
#include "app/control_factory.h"
#include "app/control_inventory.h"
#include "app/general_date.h"
#include "app/twips.h"
#include "app/window_placement.h"
#include "data_table.h"
#include "sheet_reader.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QWindow>

using namespace vantorix::app;
using namespace Qt::StringLiterals;

// The window as it starts: captions, focus order, size, clock; the list box's
// right-click menu: spreadsheet export and grouping by root.
class WindowTest : public QObject
{
    Q_OBJECT
private:
    WindowFixture f;
    QTemporaryDir dir;
    int px(int twips) const { return f.window->toPixels(twips); }
    static int tabIndexOf(const QString &name)
    {
        for (const ControlSpec &row : controlInventory())
            if (name == QLatin1String(row.name))
                return row.tabIndex;
        return -1;
    }
    // The width a control leaves its caption, as the style lays it out.
    static int captionRoom(QWidget *widget)
    {
        QStyleOptionButton option;
        option.initFrom(widget);
        QStyle *style = widget->style();
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            const int icon = button->icon().isNull() ? 0 : 12 + kButtonIconSpacing;
            return style->subElementRect(QStyle::SE_PushButtonContents, &option, widget).width() -
                   icon;
        }
        if (qobject_cast<QRadioButton *>(widget))
            return style->subElementRect(QStyle::SE_RadioButtonContents, &option, widget).width();
        if (qobject_cast<QCheckBox *>(widget))
            return style->subElementRect(QStyle::SE_CheckBoxContents, &option, widget).width();
        return widget->contentsRect().width();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(f.open());
        QVERIFY(!f.c().Command4->isEnabled()); // until the marker page is read
    }

    void captionsFitTheirBoxes()
    {
        // Read-outs at their longest.
        f.c().Label5->setText(u"开始时间："_s +
                              generalDateText(QDateTime(QDate(2026, 12, 28), QTime(23, 59, 58))));
        f.c().Label6->setText(u"已查询：86400 秒"_s);
        f.c().Label7->setText(u"100000 个"_s);
        for (const ControlSpec &row : controlInventory()) {
            QWidget *widget = f.window->findChild<QWidget *>(QLatin1String(row.name));
            const QFontMetrics metrics = widget->fontMetrics();
            QString caption = widget->property("text").toString().trimmed();
            if (const auto *frame = qobject_cast<QGroupBox *>(widget))
                caption = frame->title();
            const auto *label = qobject_cast<QLabel *>(widget);
            // Labels show text as typed, markup included.
            QVERIFY2(!label || label->textFormat() == Qt::PlainText, row.name);
            if (label && label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), row.name);
                continue;
            }
            if (caption.isEmpty() || qobject_cast<QLineEdit *>(widget))
                continue;
            QVERIFY2(metrics.horizontalAdvance(caption) <= captionRoom(widget), row.name);
            QVERIFY2(metrics.height() <= widget->height(), row.name);
        }
    }

    void tabOrder()
    {
        // Tab visits the controls by their designed index, the browser panel
        // included; each option group is one stop, on its chosen option.
        QStringList chain;
        QWidget *start = f.c().Text1;
        QWidget *widget = start;
        do {
            QWidget *control =
                widget->parentWidget() == f.c().WebBrowser1 ? widget->parentWidget() : widget;
            if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() &&
                tabIndexOf(control->objectName()) >= 0)
                chain.append(control->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != start);
        for (qsizetype i = 1; i < chain.size(); ++i)
            QVERIFY2(tabIndexOf(chain[i - 1]) < tabIndexOf(chain[i]), qPrintable(chain.join(u' ')));
        QVERIFY(chain.contains(u"WebBrowser1"_s));
        QCOMPARE(chain.filter(u"Option"_s), (QStringList{u"Option3"_s, u"Option7"_s}));
    }

    void keysMoveFocus()
    {
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.c().Text1->setFocus();
        QTest::keyClick(f.c().Text1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.c().Command5);
        QCOMPARE(f.c().Text1->text(), QString());

        QRadioButton *today = f.c().hotwordOptions.at(0).second;
        QRadioButton *week = f.c().hotwordOptions.at(1).second;
        today->setFocus();
        QTest::keyClick(today, Qt::Key_Down);
        QVERIFY(week->isChecked());
        QCOMPARE(QApplication::focusWidget(), week);
        QVERIFY(week->focusPolicy() & Qt::TabFocus);
        QVERIFY(!(today->focusPolicy() & Qt::TabFocus));
    }

    void sizeSpringsBack()
    {
        const QSize designed(px(kClientWidthTwips), px(kClientHeightTwips));
        QCOMPARE(f.window->size(), designed);
        // As a window system without a window manager would resize it.
        f.window->windowHandle()->resize(designed + QSize(200, 100));
        QTRY_COMPARE(f.window->size(), designed);
        // The outer width in twips is the end-to-end test's, under a window manager.
        QCOMPARE(f.c().WebBrowser1->geometry(),
                 QRect(0, 0, px(f.window->fixedWidthTwips() + 300), px(1455)));
    }

    void clock_data()
    {
        columns<QLocale, QTime, QString>("locale", "time", "text");
        const QLocale china(QLocale::Chinese, QLocale::China);
        QTest::newRow("C") << QLocale::c() << QTime(14, 7, 9) << "2026/3/5 14:07:09";
        QTest::newRow("zh_CN") << china << QTime(9, 5, 3) << "2026/3/5 9:05:03";
        QTest::newRow("midnight: the date alone") << china << QTime(0, 0) << "2026/3/5";
    }
    void clock()
    {
        QFETCH(QLocale, locale);
        QFETCH(QTime, time);
        QLocale::setDefault(locale);
        QTEST(generalDateText(QDateTime(QDate(2026, 3, 5), time, QTimeZone::utc())), "text");
        QLocale::setDefault(QLocale::c());
    }

    void centringKeepsTheTitleBarOnTheScreen()
    {
        const QRect screen(0, 0, 1920, 1080);
        QCOMPARE(centredTopLeft({755, 536}, screen, {0, 0, 1920, 1040}), QPoint(582, 272));
        QCOMPARE(centredTopLeft({755, 1200}, screen, {0, 30, 1920, 1050}), QPoint(582, 30));
    }

    void groupByRootIsOneUndoableEdit()
    {
        const QString list =
            u"手机价格\r\n减肥茶\r\n电脑价格\r\n\r\n减肥药\r\n汽车价格\r\n减肥方法\r\n天气"_s;
        const QString grouped =
            u"手机价格\r\n电脑价格\r\n汽车价格\r\n减肥茶\r\n减肥药\r\n减肥方法\r\n天气\r\n"_s;
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
        static_cast<QDialog *>(dialog)->reject();
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
