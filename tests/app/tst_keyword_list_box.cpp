#include "app/keyword_list_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using vantorix::app::KeywordListBox;
using namespace Qt::StringLiterals;

// The list box keeps the exact text written to it while showing every CR, LF
// and CRLF as a line break.
class KeywordListBoxTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<KeywordListBox> box;

    static QString clipboard() { return QGuiApplication::clipboard()->text(); }
    static void setClipboard(const QString &text) { QGuiApplication::clipboard()->setText(text); }
    void key(Qt::Key key) { QTest::keyClick(box.get(), key, Qt::ControlModifier); }
    int lines() const { return box->document()->blockCount(); }

private Q_SLOTS:
    void init()
    {
        box = std::make_unique<KeywordListBox>();
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        box->setFocus();
    }

    void pasteBack_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("lines");
        QTest::newRow("two keywords") << u"1\r\n2\r\n"_s << u"x\r\ny\r\n"_s << 3;
        QTest::newRow("lone LF and lone CR show as breaks") << u""_s << u"a\nb\rc"_s << 3;
        QTest::newRow("empties the list") << u"1\r\n2\r\n"_s << u""_s << 1;
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
        QCOMPARE(this->lines(), lines);
        QVERIFY(box->textCursor().atEnd());
        QVERIFY(!box->textCursor().hasSelection());
    }

    void undoRedoRestoreExactTexts()
    {
        box->pasteBack(u"a\nb"_s);
        box->pasteBack(u"z\r\n"_s);
        key(Qt::Key_Z);
        QCOMPARE(box->text(), u"a\nb"_s);
        key(Qt::Key_Y);
        QCOMPARE(box->text(), u"z\r\n"_s);
    }

    void pastedBreaksAreVisibleAndReadAsSeparators()
    {
        box->pasteBack(u"a\nb\r\n"_s);
        setClipboard(u"c\rd"_s);
        key(Qt::Key_V);
        QCOMPARE(lines(), 4);
        QCOMPARE(box->text(), u"a\r\nb\r\nc\r\nd"_s);
        key(Qt::Key_Z);
        QCOMPARE(box->text(), u"a\nb\r\n"_s);
    }

    void appendDirect_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("more");
        QTest::addColumn<int>("lines");
        QTest::newRow("to an empty list") << u""_s << u"\r\na\r\n"_s << 3;
        QTest::newRow("joins the last line") << u"x"_s << u"y\r\n"_s << 2;
        QTest::newRow("CR meets LF") << u"a\r"_s << u"\nb"_s << 2;
    }
    void appendDirect()
    {
        QFETCH(QString, list);
        QFETCH(QString, more);
        QFETCH(int, lines);
        box->pasteBack(list);
        setClipboard(u"kept"_s);
        box->appendDirect(more);
        QCOMPARE(box->text(), list + more);
        QCOMPARE(this->lines(), lines);
        QCOMPARE(clipboard(), u"kept"_s);
        key(Qt::Key_Z);
        QCOMPARE(box->text(), list);
    }

    void forgetfulWriteDropsHistory()
    {
        box->pasteBack(u"a\r\n"_s);
        box->pasteBack(u"b\nc\r\n"_s, KeywordListBox::History::Forget);
        QVERIFY(!box->document()->isUndoAvailable());
        box->pasteBack(u"d\r\n"_s);
        key(Qt::Key_Z);
        QCOMPARE(box->text(), u"b\nc\r\n"_s);
    }
};

QTEST_MAIN(KeywordListBoxTest)
#include "tst_keyword_list_box.moc"
