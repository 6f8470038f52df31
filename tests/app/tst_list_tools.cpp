#include "window_fixture.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// Each list tool's button, clicked, with the list and the clipboard as the
// person sees them; what each tool computes is the list core's to test.
class ListToolsTest : public QObject
{
    Q_OBJECT
private:
    WindowFixture f;
    QTemporaryDir dir;

    QPushButton *button(const QString &name) const
    {
        return f.window->findChild<QPushButton *>(name);
    }
    void undo() { QTest::keyClick(f.list(), Qt::Key_Z, Qt::ControlModifier); }
    template <typename T> T *shown() const
    {
        for (QWidget *widget : f.othersShown())
            if (auto *found = qobject_cast<T *>(widget))
                return found;
        return nullptr;
    }
    // Clicks "导出txt" and answers the save dialog with `path`.
    bool exportTo(const QString &path, int fileType)
    {
        QTest::mouseClick(f.c().Command3, Qt::LeftButton);
        QFileDialog *dialog = nullptr;
        if (!QTest::qWaitFor([&] { return (dialog = shown<QFileDialog>()) != nullptr; }) ||
            dialog->windowModality() != Qt::WindowModal)
            return false;
        dialog->selectNameFilter(dialog->nameFilters().value(fileType));
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog hides its override
        return true;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(f.open()); }
    void init() { f.list()->setFocus(); }

    void tool_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("expected"); // "unchanged": no write at all
        QTest::newRow("containing")
            << u"Command15"_s << u"Text9"_s << u" seo "_s << u"SEO工具\r\na\nseo\r\nx\r\n"_s
            << u"SEO工具\r\na\nseo\r\n"_s;
        QTest::newRow("not containing")
            << u"Command8"_s << u"Text2"_s << u"x"_s << u"a\r\n\r\nxb\r\n"_s << u"a\r\n\r\n\r\n"_s;
        QTest::newRow("empty argument")
            << u"Command8"_s << u"Text2"_s << u" "_s << u"a\r\n"_s << u"unchanged"_s;
        QTest::newRow("longer than")
            << u"Command13"_s << u"Text8"_s << u"2.9"_s << u"abc\r\nab\r\n"_s << u"abc\r\n"_s;
        QTest::newRow("duplicates") << u"Command6"_s << QString() << QString()
                                    << u"b\r\na\r\nb\r\n"_s << u"\r\nb\r\na\r\n"_s;
    }
    void tool()
    {
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(QString, argument);
        QFETCH(QString, list);
        QFETCH(QString, expected);
        f.list()->pasteBack(list);
        WindowFixture::setClipboardText(u"elsewhere"_s);
        if (!box.isEmpty())
            f.window->findChild<QLineEdit *>(box)->setText(argument);
        QPushButton *tool = this->button(button);
        bool enabledWhileWriting = false;
        const QObject listening;
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &listening,
                [&] { enabledWhileWriting = tool->isEnabled(); });

        QTest::mouseClick(tool, Qt::LeftButton);
        QVERIFY(tool->isEnabled());
        QVERIFY(!enabledWhileWriting);
        if (expected == u"unchanged"_s) {
            QCOMPARE(f.list()->text(), list);
            QCOMPARE(WindowFixture::clipboardText(), u"elsewhere"_s);
            return;
        }
        QCOMPARE(f.list()->text(), expected);
        QCOMPARE(WindowFixture::clipboardText(), expected);
        undo();
        QCOMPARE(f.list()->text(), list);
    }

    void shuffleKeepsEveryNonEmptyKeyword()
    {
        f.list()->pasteBack(u"a\r\n\r\nb\r\nc\r\nb\nx\r\n"_s);
        QTest::mouseClick(f.c().Command2, Qt::LeftButton);
        QStringList pieces = f.list()->text().split(u"\r\n"_s);
        QCOMPARE(WindowFixture::clipboardText(), f.list()->text());
        QCOMPARE(pieces.takeLast(), QString());
        pieces.sort();
        QCOMPARE(pieces, (QStringList{u"a"_s, u"b"_s, u"b\nx"_s, u"c"_s}));
    }

    void clearIsUndoable()
    {
        f.list()->pasteBack(u"a\r\nb\rc\r\n"_s);
        WindowFixture::setClipboardText(u"elsewhere"_s);
        QTest::mouseClick(f.c().Command9, Qt::LeftButton);
        QCOMPARE(f.list()->text(), QString());
        QCOMPARE(WindowFixture::clipboardText(), u"elsewhere"_s);
        undo();
        QCOMPARE(f.list()->text(), u"a\r\nb\rc\r\n"_s);
    }

    void exportWritesTheChosenSeparatorAndEncoding_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("fileType");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("line break, UTF-8")
            << u"Option7"_s << 0 << QByteArray("\xe5\x87\x8f\r\na\nb\r\n");
        QTest::newRow("bar, GBK") << u"Option9"_s << 1 << QByteArray("\xbc\xf5|a\nb|");
    }
    void exportWritesTheChosenSeparatorAndEncoding()
    {
        QFETCH(QString, option);
        QFETCH(int, fileType);
        QFETCH(QByteArray, bytes);
        f.list()->pasteBack(u"减\r\na\nb\r\n"_s);
        QTest::mouseClick(f.window->findChild<QRadioButton *>(option), Qt::LeftButton);
        const QString path = dir.filePath(option + u".txt"_s);
        QVERIFY(exportTo(path, fileType));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }

    void exportWriteErrorIsReported()
    {
        const QString path = dir.filePath(u"missing/folder/list.txt"_s);
        QVERIFY(exportTo(path, 0));
        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = shown<QMessageBox>()) != nullptr);
        QVERIFY(box->text().contains(u"list.txt"_s));
        box->close();
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(ListToolsTest)
#include "tst_list_tools.moc"
