#include "window_fixture.h"

#include <QSignalSpy>
#include <algorithm>

// Each list tool driven by a real click on its button, with the list and the
// system clipboard as the user sees them.
class ListToolsTest : public QObject
{
    Q_OBJECT
private:
    WindowFixture f;

    void undo() { QTest::keyClick(f.list(), Qt::Key_Z, Qt::ControlModifier); }

private Q_SLOTS:
    void init()
    {
        QVERIFY(f.open());
        f.list()->setFocus();
    }
    void cleanup() { f.window.reset(); }

    void tool_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("expected");

        const auto row = [](const char *tag, const char *button, const char *box,
                            const char *argument, const char *list, const char *expected) {
            QTest::newRow(tag) << QByteArray(button) << QByteArray(box)
                               << QString::fromUtf8(argument) << QString::fromUtf8(list)
                               << QString::fromUtf8(expected);
        };
        row("contains ignores case", "Command15", "Text9", "seo", "SEO工具\r\nabc\r\nseo\r\n",
            "SEO工具\r\nseo\r\n");
        row("contains trims the argument", "Command15", "Text9", " abc ", "xabcx\r\nab c\r\n",
            "xabcx\r\n");
        row("a lone LF is part of a keyword", "Command15", "Text9", "b", "a\nb\r\nc\r\n",
            "a\nb\r\n");
        row("not containing keeps empty lines", "Command8", "Text2", "x", "a\r\n\r\nb\r\n",
            "a\r\n\r\nb\r\n\r\n");
        row("longer than 2", "Command13", "Text8", "2", "abc\r\nab\r\n", "abc\r\n");
        row("longer than -1", "Command13", "Text8", "-1", "a\r\n", "a\r\n\r\n");
        row("unreadable length", "Command13", "Text8", "abc", "a\r\n\r\nb", "a\r\nb\r\n");
        row("overflowing length", "Command13", "Text8", "1e400", "a\r\n\r\nb", "a\r\nb\r\n");
        row("duplicates", "Command6", "", "", "b\r\na\r\nb\r\n", "\r\nb\r\na\r\n");
        row("duplicates of nothing", "Command6", "", "", "", "\r\n");
    }
    void tool()
    {
        QFETCH(QByteArray, button);
        QFETCH(QByteArray, box);
        QFETCH(QString, argument);
        QFETCH(QString, list);
        QFETCH(QString, expected);

        f.list()->pasteBack(list);
        if (!box.isEmpty())
            f.textBox(box.constData())->setText(argument);
        QAbstractButton *tool = f.button(button.constData());
        bool enabledWhileWriting = true;
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, tool,
                [&] { enabledWhileWriting = tool->isEnabled(); });

        QTest::mouseClick(tool, Qt::LeftButton);
        QCOMPARE(f.list()->text(), expected);
        QCOMPARE(WindowFixture::clipboardText(), expected);
        QVERIFY(!enabledWhileWriting);
        QVERIFY(tool->isEnabled());

        undo();
        QCOMPARE(f.list()->text(), list);
    }

    void emptyArgumentChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QString>("argument");
        QTest::newRow("contains") << QByteArray("Command15") << QByteArray("Text9") << "";
        QTest::newRow("not containing") << QByteArray("Command8") << QByteArray("Text2") << " ";
    }
    void emptyArgumentChangesNothing()
    {
        QFETCH(QByteArray, button);
        QFETCH(QByteArray, box);
        QFETCH(QString, argument);
        const QString list = QStringLiteral("a\r\n\r\nb\nc\r\n");
        f.list()->pasteBack(list);
        WindowFixture::setClipboardText(QStringLiteral("elsewhere"));
        const int undoSteps = f.list()->document()->availableUndoSteps();
        f.textBox(box.constData())->setText(argument);

        QTest::mouseClick(f.button(button.constData()), Qt::LeftButton);
        QCOMPARE(f.list()->text(), list);
        QCOMPARE(WindowFixture::clipboardText(), QStringLiteral("elsewhere"));
        QCOMPARE(f.list()->document()->availableUndoSteps(), undoSteps);
        QVERIFY(f.button(button.constData())->isEnabled());
    }

    void shuffleKeepsEveryNonEmptyKeyword()
    {
        const QString list = QStringLiteral("a\r\n\r\nb\r\nc\r\n  \r\nb\nx\r\nb");
        f.list()->pasteBack(list);
        QTest::mouseClick(f.button("Command2"), Qt::LeftButton);
        const QString shuffled = f.list()->text();
        QCOMPARE(WindowFixture::clipboardText(), shuffled);
        QVERIFY(shuffled.endsWith(QStringLiteral("\r\n")));
        QStringList pieces = shuffled.split(QStringLiteral("\r\n"));
        QCOMPARE(pieces.takeLast(), QString());
        QStringList expected = {QStringLiteral("a"),  QStringLiteral("b"),    QStringLiteral("c"),
                                QStringLiteral("  "), QStringLiteral("b\nx"), QStringLiteral("b")};
        std::sort(pieces.begin(), pieces.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(pieces, expected);
        QVERIFY(f.button("Command2")->isEnabled());
        undo();
        QCOMPARE(f.list()->text(), list);
    }

    void clearEmptiesTheListUndoably()
    {
        const QString list = QStringLiteral("a\r\nb\rc\r\n");
        f.list()->pasteBack(list);
        WindowFixture::setClipboardText(QStringLiteral("elsewhere"));
        QTest::mouseClick(f.button("Command9"), Qt::LeftButton);
        QCOMPARE(f.list()->text(), QString());
        QCOMPARE(WindowFixture::clipboardText(), QStringLiteral("elsewhere"));
        undo();
        QCOMPARE(f.list()->text(), list);
    }
};

QTEST_MAIN(ListToolsTest)
#include "tst_list_tools.moc"
