#include "app/browser_panel.h"
#include "app/twips.h"
#include "cli_process.h"
#include "common/translations.h"
#include "gbk.h"
#include "sandbox/embedded.h"
#include "window_fixture.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

using namespace vantorix;
using namespace Qt::StringLiterals;

// The whole window tried as a person would, on the embedded sandbox web, on
// an X display with a window manager; screenshots go to the build folder.
class WindowEndToEndTest : public QObject
{
    Q_OBJECT
private:
    WindowFixture f;
    QProcess windowManager;
    QTemporaryDir dir;

    // The window as the screen shows it, frame included.
    QImage shot() const
    {
        const QRect frame = f.window->frameGeometry();
        return f.window->screen()
            ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
            .toImage();
    }
    void screenshot(const QString &name) const
    {
        QVERIFY(shot().save(QStringLiteral(VANTORIX_SCREENSHOTS) + u'/' + name + u".png"_s));
    }
    bool panelShowsText() const
    {
        const QImage image = shot();
        const QPoint panel =
            f.c().WebBrowser1->mapToGlobal(QPoint()) - f.window->frameGeometry().topLeft();
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 200; ++x)
                if (qGray(image.pixel(panel + QPoint(x, y))) < 100)
                    return true;
        return false;
    }
    void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    int found() const { return f.c().Label7->text().chopped(2).toInt(); }
    void undo() { QTest::keySequence(f.list(), QKeySequence::Undo); }
    // A list tool's button: busy while it writes, the list becomes `after`
    // (on the clipboard too), and undo and redo work.
    void tool(QPushButton *button, const QString &after)
    {
        const QString before = f.list()->text();
        bool busy = false;
        const QObject listening;
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &listening,
                [&] { busy = !button->isEnabled(); });
        click(button);
        QVERIFY(busy && button->isEnabled());
        QCOMPARE(f.list()->text(), after);
        QCOMPARE(WindowFixture::clipboardText(), after);
        undo();
        QCOMPARE(f.list()->text(), before);
        QTest::keySequence(f.list(), QKeySequence::Redo);
    }
    // "导出txt" with the export separator `option`, into `path`, as file type 0 (UTF-8) or 1 (GBK).
    void exportTo(QRadioButton *option, const QString &path, int fileType, const QString &shot = {})
    {
        click(option);
        click(f.c().Command3);
        QFileDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = f.window->findChild<QFileDialog *>()) && dialog->isVisible());
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QTRY_VERIFY(dialog->windowHandle()->isExposed());
        if (!shot.isEmpty()) {
            QCOMPARE(dialog->labelText(QFileDialog::Reject), u"取消"_s);
            screenshot(shot);
        }
        dialog->selectNameFilter(dialog->nameFilters().value(fileType));
        // Typed over the proposed name, as a person would.
        dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(path);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog hides its override
    }

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
        // A window shown before the manager holds the display is never exposed.
        const QString managing = dir.filePath(u"managing"_s);
        windowManager.start(u"openbox"_s, {u"--startup"_s, u"touch "_s + managing});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(managing), 30000);
        installQtCatalogue(*qApp, u"qt"_s);
        // As --sandbox does.
        const Result<QString> started = sandbox::useEmbeddedSandbox(this, f.settings, {});
        QVERIFY2(started, qPrintable(started.error()));
        f.settings.dumpFile = dir.filePath(u"1.txt"_s);
        QVERIFY(QDir().mkpath(QStringLiteral(VANTORIX_SCREENSHOTS)));
        QVERIFY(f.open());
    }
    void cleanupTestCase()
    {
        f.window.reset();
        windowManager.terminate();
        windowManager.waitForFinished();
    }

    void startUp()
    {
        QTRY_COMPARE_WITH_TIMEOUT(f.c().Command4->text(), u"开始挖掘"_s, 60000);
        // Framed by the window manager, centred on the screen by its outer size.
        QTRY_VERIFY_WITH_TIMEOUT(f.window->frameGeometry().size() != f.window->size(), 60000);
        QTRY_COMPARE_WITH_TIMEOUT(f.window->frameGeometry().center() / 2,
                                  f.window->screen()->availableGeometry().center() / 2, 10000);
        const qreal dpi = f.window->screen()->logicalDotsPerInch();
        QCOMPARE(f.window->fixedWidthTwips(),
                 app::pixelsToTwips(f.window->frameGeometry().width(), dpi));
        QTRY_VERIFY_WITH_TIMEOUT(panelShowsText(), 60000); // the marker page's notice
        screenshot(u"start-up"_s);
    }

    // Shot as it counts; the stop button is the mining window test's.
    void mine()
    {
        QMetaObject::Connection midway =
            connect(f.run(), &mining::MiningRun::countChanged, this, [&] {
                if (found() < 30)
                    return;
                disconnect(midway);
                f.window->repaint();
                screenshot(u"mining"_s);
            });
        f.c().Text4->setText(u"200"_s);
        QVERIFY(f.mine(f.c().Text3->text(), {}, 300000));
        QTRY_VERIFY_WITH_TIMEOUT( // the caption's clock
            f.window->windowTitle().startsWith(f.window->titleText() + u"  2"_s), 5000);
        QVERIFY2(found() >= 200, qPrintable(f.c().Label7->text()));
    }

    void listTools()
    {
        f.list()->pasteBack(
            u"减肥茶\r\n减肥药价格\r\n减肥茶\r\n运动减肥方法\r\n\r\n瘦身\r\n减肥\r\n"
            u"快速减肥方法\r\n"_s);
        tool(f.c().Command6,
             u"\r\n减肥茶\r\n减肥药价格\r\n运动减肥方法\r\n瘦身\r\n减肥\r\n快速减肥方法\r\n"_s);
        f.c().Text2->setText(u"价格"_s);
        tool(f.c().Command8,
             u"\r\n减肥茶\r\n运动减肥方法\r\n瘦身\r\n减肥\r\n快速减肥方法\r\n\r\n"_s);
        f.c().Text8->setText(u"2"_s);
        tool(f.c().Command13, u"减肥茶\r\n运动减肥方法\r\n快速减肥方法\r\n"_s);
        f.c().Text9->setText(u" 方法 "_s);
        tool(f.c().Command15, u"运动减肥方法\r\n快速减肥方法\r\n"_s);
        // An empty argument writes nothing at all.
        WindowFixture::setClipboardText(u"elsewhere"_s);
        f.c().Text9->clear();
        click(f.c().Command15);
        QCOMPARE(f.list()->text(), u"运动减肥方法\r\n快速减肥方法\r\n"_s);
        QCOMPARE(WindowFixture::clipboardText(), u"elsewhere"_s);

        click(f.c().Command2);
        QStringList shuffled = f.list()->text().split(u"\r\n"_s);
        shuffled.sort();
        QCOMPARE(shuffled, (QStringList{QString(), u"快速减肥方法"_s, u"运动减肥方法"_s}));
        undo();
    }

    void exportToFiles()
    {
        // Qt's own dialog speaks Chinese too.
        const QString utf8 = dir.filePath(u"长尾词.txt"_s);
        exportTo(f.c().Option8, utf8, 0, u"export"_s);
        QCOMPARE(readFile(utf8), u"运动减肥方法,快速减肥方法,"_s.toUtf8());
        const QString gbk = dir.filePath(u"gbk.txt"_s);
        exportTo(f.c().Option9, gbk, 1);
        QCOMPARE(readFile(gbk), ::gbk(u"运动减肥方法|快速减肥方法|"_s));
        // A file that cannot be written is reported.
        exportTo(f.c().Option7, u"/proc/list.txt"_s, 0); // not even root may create it
        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = f.window->findChild<QMessageBox *>()) && box->isVisible());
        QVERIFY(box->text().contains(u"list.txt"_s));
        box->close();

        const QString list = f.list()->text();
        click(f.c().Command9);
        QCOMPARE(f.list()->text(), QString());
        undo();
        QCOMPARE(f.list()->text(), list);
    }

    // The button's binding; what each source gives is the hot-word CLI test's.
    void everyHotWordSource()
    {
        for (const auto &[source, option] : f.c().hotwordOptions) {
            click(option);
            click(f.c().Command10);
            QVERIFY(!f.c().Command10->isEnabled());
            QCOMPARE(f.c().Command10->text(), u"正在获取.."_s);
            // The list is read when the page arrives: an edit meanwhile stays.
            const QString during = f.list()->text() + source->name + u"\r\n"_s;
            f.list()->pasteBack(during);
            QTRY_VERIFY_WITH_TIMEOUT(f.c().Command10->isEnabled(), 60000);
            QCOMPARE(f.c().Command10->text(), u"获取"_s);
            QVERIFY2(f.list()->text().size() > during.size(), qPrintable(source->name));
            const QString dump = fromGbk(readFile(f.settings.dumpFile));
            QCOMPARE(during + dump, f.list()->text() + u"\r\n"_s);
        }
        screenshot(u"after"_s);
    }
};

QTEST_MAIN(WindowEndToEndTest)
#include "tst_window_e2e.moc"
