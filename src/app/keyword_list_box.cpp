#include "app/keyword_list_box.h"

#include "list/raw_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScopedValueRollback>

namespace vantorix::app {

KeywordListBox::KeywordListBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the next control, as in every text box of the window.
    setTabChangesFocus(true);
    m_written.append({document()->availableUndoSteps(), QString()});
    connect(document(), &QTextDocument::contentsChange, this, [this] {
        if (!m_writing)
            m_touched = true;
    });
}

QString KeywordListBox::text() const
{
    if (!m_touched)
        return m_current;
    const QString raw = document()->toRawText();
    const int steps = document()->availableUndoSteps();
    for (auto it = m_written.crbegin(); it != m_written.crend(); ++it) {
        if (it->undoSteps == steps && list::rawTextShows(raw, it->text)) {
            m_current = it->text;
            m_touched = false;
            return m_current;
        }
    }
    return list::listFromRawText(raw);
}

void KeywordListBox::pasteBack(const QString &list, History history)
{
    replaceAll(list, history);
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
    QGuiApplication::clipboard()->setText(list);
}

void KeywordListBox::appendDirect(const QString &more)
{
    if (more.isEmpty())
        return;
    const QString old = text();
    const QString joined = old + more;
    // A CR at the end meeting an LF at the start joins into one separator,
    // which only a rewrite of the whole text shows right.
    if (old.endsWith(u'\r') && more.startsWith(u'\n')) {
        replaceAll(joined, History::Keep);
        return;
    }
    {
        const QScopedValueRollback writing(m_writing, true);
        QTextCursor cursor(document());
        cursor.movePosition(QTextCursor::End);
        cursor.beginEditBlock();
        cursor.insertText(more);
        cursor.endEditBlock();
    }
    remember(joined);
}

void KeywordListBox::clearList()
{
    replaceAll(QString(), History::Keep);
}

void KeywordListBox::replaceAll(const QString &exact, History history)
{
    QTextDocument *doc = document();
    if (history == History::Keep) {
        // The write runs as the redo of its own step, so that the document
        // records the two texts instead of a million edits.
        doc->appendUndoItem(new ListWriteStep(
            m_steps, [this](const QString &text) { showExact(text); }, text(), exact, true));
        doc->undo();
        doc->redo();
        remember(exact);
        trimHistory();
        return;
    }
    {
        const QScopedValueRollback writing(m_writing, true);
        doc->setUndoRedoEnabled(false);
        QTextCursor cursor(doc);
        cursor.beginEditBlock();
        // A writer that keeps extending the list without history (a mining
        // run after each query) only adds the new tail: rewriting the whole
        // document every time would make a long run quadratic.
        const qsizetype kept = m_current.size();
        if (!m_touched && exact.startsWith(m_current) &&
            !(m_current.endsWith(u'\r') && exact.size() > kept && exact[kept] == u'\n')) {
            cursor.movePosition(QTextCursor::End);
            if (exact.size() > kept)
                cursor.insertText(QStringView(exact).sliced(kept).toString());
        } else {
            cursor.select(QTextCursor::Document);
            cursor.removeSelectedText();
            cursor.insertText(exact);
        }
        cursor.endEditBlock();
        doc->setUndoRedoEnabled(true);
        m_written.clear();
        m_unreachable = 0;
    }
    remember(exact);
}

void KeywordListBox::showExact(const QString &exact)
{
    const QScopedValueRollback writing(m_writing, true);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.insertText(exact);
    cursor.endEditBlock();
    m_unreachable += exact.size();
    m_current = exact;
    m_touched = false;
}

void KeywordListBox::trimHistory()
{
    const qint64 unreachable = m_unreachable * qint64(sizeof(QChar));
    if (m_steps->bytes() + unreachable <= m_historyLimit)
        return;
    // Keep the newest steps that fit; dropping the document's history is the
    // only way to free what it holds, so the kept steps are recorded anew.
    QList<std::pair<QString, QString>> kept;
    qint64 bytes = 0;
    for (auto it = m_steps->steps.crbegin(); it != m_steps->steps.crend(); ++it) {
        bytes += ((*it)->before().size() + (*it)->after().size()) * qint64(sizeof(QChar));
        if (!kept.isEmpty() && bytes > m_historyLimit)
            break;
        kept.prepend({(*it)->before(), (*it)->after()});
    }
    QTextDocument *doc = document();
    doc->setUndoRedoEnabled(false);
    doc->setUndoRedoEnabled(true);
    m_unreachable = 0;
    m_written.clear();
    for (const auto &[before, after] : kept) {
        m_written.append({doc->availableUndoSteps(), before});
        doc->appendUndoItem(new ListWriteStep(
            m_steps, [this](const QString &text) { showExact(text); }, before, after, false));
    }
    m_written.append({doc->availableUndoSteps(), m_current});
}

void KeywordListBox::remember(const QString &exact)
{
    const int steps = document()->availableUndoSteps();
    while (!m_written.isEmpty() && m_written.last().undoSteps >= steps)
        m_written.removeLast();
    m_written.append({steps, exact});
    m_current = exact;
    m_touched = false;
}

} // namespace vantorix::app
