#include "app/keyword_list_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using vantorix::app::KeywordListBox;

class KeywordListBoxTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<KeywordListBox> box;

    static QString clipboard() { return QGuiApplication::clipboard()->text(); }
    static void setClipboard(const QString &text) { QGuiApplication::clipboard()->setText(text); }
    void undo() { QTest::keyClick(box.get(), Qt::Key_Z, Qt::ControlModifier); }
    void redo() { QTest::keyClick(box.get(), Qt::Key_Y, Qt::ControlModifier); }
    void typeAtEnd(const QString &typed)
    {
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box.get(), typed);
    }

private Q_SLOTS:
    void init()
    {
        box = std::make_unique<KeywordListBox>();
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        box->setFocus();
    }
    void cleanup() { box.reset(); }

    void pasteBack_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("lines");
        QTest::newRow("two keywords") << ""
                                      << "x\r\ny\r\n"
                                      << 3;
        QTest::newRow("lone LF shows as a break") << ""
                                                  << "a\nb" << 2;
        QTest::newRow("lone CR shows as a break") << ""
                                                  << "a\rb" << 2;
        QTest::newRow("no-break space kept") << "" << QStringLiteral("a\u00A0b\r\n") << 2;
        QTest::newRow("empties the list") << "1\r\n2\r\n"
                                          << "" << 1;
    }
    void pasteBack()
    {
        QFETCH(QString, before);
        QFETCH(QString, list);
        QFETCH(int, lines);
        box->pasteBack(before);
        // A selection in the middle must not survive into the result.
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(qMin(1, before.size()));
        cursor.setPosition(qMin(3, before.size()), QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);

        box->pasteBack(list);
        QCOMPARE(box->text(), list);
        QCOMPARE(clipboard(), list);
        QCOMPARE(box->document()->blockCount(), lines);
        QVERIFY(box->textCursor().atEnd());
        QVERIFY(!box->textCursor().hasSelection());
    }

    void undoRedoRestoreExactTexts()
    {
        box->pasteBack(QStringLiteral("a\nb"));
        box->pasteBack(QStringLiteral("z\r\n"));
        undo();
        QCOMPARE(box->text(), QStringLiteral("a\nb"));
        redo();
        QCOMPARE(box->text(), QStringLiteral("z\r\n"));
        undo();
        undo();
        QCOMPARE(box->text(), QString());
    }

    void userEditReadsBreaksAsSeparators()
    {
        box->pasteBack(QStringLiteral("a\nb\rc\r\n"));
        typeAtEnd(QStringLiteral("d"));
        QCOMPARE(box->text(), QStringLiteral("a\r\nb\r\nc\r\nd"));
        undo();
        QCOMPARE(box->text(), QStringLiteral("a\nb\rc\r\n"));
    }

    void appendDirect_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("more");
        QTest::addColumn<int>("lines");
        QTest::newRow("to an empty list") << ""
                                          << "\r\na\r\nb\r\n"
                                          << 4;
        QTest::newRow("after a list") << "x\r\n"
                                      << "y\r\n"
                                      << 3;
        QTest::newRow("CR meets LF") << "a\r"
                                     << "\nb" << 2;
    }
    void appendDirect()
    {
        QFETCH(QString, list);
        QFETCH(QString, more);
        QFETCH(int, lines);
        box->pasteBack(list);
        setClipboard(QStringLiteral("kept"));
        box->appendDirect(more);
        QCOMPARE(box->text(), list + more);
        QCOMPARE(box->document()->blockCount(), lines);
        QCOMPARE(clipboard(), QStringLiteral("kept"));
        undo();
        QCOMPARE(box->text(), list);
    }

    void forgetfulWriteDropsHistory()
    {
        box->pasteBack(QStringLiteral("a\r\n"));
        box->pasteBack(QStringLiteral("b\nc\r\n"), KeywordListBox::History::Forget);
        QVERIFY(!box->document()->isUndoAvailable());
        undo();
        QCOMPARE(box->text(), QStringLiteral("b\nc\r\n"));
        QCOMPARE(clipboard(), QStringLiteral("b\nc\r\n"));
        box->pasteBack(QStringLiteral("d\r\n"));
        undo();
        QCOMPARE(box->text(), QStringLiteral("b\nc\r\n"));
    }
};

QTEST_MAIN(KeywordListBoxTest)
#include "tst_keyword_list_box.moc"
