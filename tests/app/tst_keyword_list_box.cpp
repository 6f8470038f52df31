#include "app/keyword_list_box.h"
#include "data_table.h"

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

    void write_data()
    {
        // append: appendDirect, else pasteBack
        columns<bool, QString, QString, int>("append", "before", "written", "lines");
        QTest::newRow("two keywords") << false << u"1\r\n2\r\n"_s << u"x\r\ny\r\n"_s << 3;
        QTest::newRow("lone LF and lone CR show as breaks") << false << u""_s << u"a\nb\rc"_s << 3;
        QTest::newRow("empties the list") << false << u"1\r\n2\r\n"_s << u""_s << 1;
        QTest::newRow("appended to an empty list") << true << u""_s << u"\r\na\r\n"_s << 3;
        QTest::newRow("appended to the last line") << true << u"x"_s << u"y\r\n"_s << 2;
        QTest::newRow("appended CR meets LF") << true << u"a\r"_s << u"\nb"_s << 2;
    }
    // pasteBack replaces the text, puts it on the clipboard and leaves the
    // cursor at the end, a selection in the middle not surviving;
    // appendDirect leaves the clipboard alone. Both are one step to undo and
    // redo, exact texts brought back.
    void write()
    {
        QFETCH(bool, append);
        QFETCH(QString, before);
        QFETCH(QString, written);
        box->pasteBack(before);
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(qMin(1, before.size()));
        cursor.setPosition(qMin(3, before.size()), QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
        setClipboard(u"kept"_s);
        const QString after = append ? before + written : written;
        append ? box->appendDirect(written) : box->pasteBack(written);
        QCOMPARE(box->text(), after);
        QCOMPARE(clipboard(), append ? u"kept"_s : written);
        QTEST(lines(), "lines");
        QVERIFY(append || (box->textCursor().atEnd() && !box->textCursor().hasSelection()));
        key(Qt::Key_Z);
        QCOMPARE(box->text(), before);
        key(Qt::Key_Y);
        QCOMPARE(box->text(), after);
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

    void forgetfulWriteDropsHistory()
    {
        box->pasteBack(u"a\r\n"_s);
        box->pasteBack(u"b\nc\r\n"_s, KeywordListBox::History::Forget);
        QVERIFY(!box->document()->isUndoAvailable());
        box->pasteBack(u"d\r\n"_s);
        key(Qt::Key_Z);
        QCOMPARE(box->text(), u"b\nc\r\n"_s);
    }

    // Past its bytes the history drops the oldest writes; the latest stays.
    void historyKeepsTheLatestWritesWithinItsBytes()
    {
        box->setHistoryLimit(40); // room for the last two of these steps
        for (const QString &list : {u"a\r\n"_s, u"bb\r\n"_s, u"ccc\r\n"_s, u"dd\r\n"_s})
            box->pasteBack(list);
        for (const QString &undone : {u"ccc\r\n"_s, u"bb\r\n"_s, u"bb\r\n"_s}) {
            key(Qt::Key_Z);
            QCOMPARE(box->text(), undone);
        }
        box->setHistoryLimit(0);
        box->pasteBack(u"e\r\n"_s);
        key(Qt::Key_Z);
        key(Qt::Key_Z);
        QCOMPARE(box->text(), u"bb\r\n"_s);
    }
};

QTEST_MAIN(KeywordListBoxTest)
#include "tst_keyword_list_box.moc"
