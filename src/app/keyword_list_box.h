#pragma once

#include "app/list_write_step.h"

#include <QList>
#include <QPlainTextEdit>
#include <memory>

namespace vantorix::app {

// The keyword list: a text box whose text is the list, one keyword per line
// separated by CRLF. A lone CR or LF shows as a line break, yet text() keeps
// the exact characters last written for as long as the box shows them.
class KeywordListBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    // Keep: the write is one step the user can undo. Forget: the write drops
    // the undo history; for writers that rewrite the list over and over (a
    // mining run), whose history would otherwise grow without bound.
    enum class History { Keep, Forget };

    explicit KeywordListBox(QWidget *parent = nullptr);

    // The list text. After a user edit every line break reads as CRLF.
    QString text() const;

    // Replaces the whole list, leaves the caret at the end in view, and puts
    // the same text on the clipboard.
    void pasteBack(const QString &list, History history = History::Keep);

    // Appends to the list as one undoable edit without touching the clipboard.
    void appendDirect(const QString &more);

    // Empties the list as one undoable edit; the clipboard keeps its text.
    void clearList();

    // The bytes the undo history of whole-list writes may hold. Past them the
    // oldest steps go, and with them the typing before the latest write; the
    // latest write always stays undoable.
    void setHistoryLimit(qint64 bytes) { m_historyLimit = bytes; }

private:
    struct Written
    {
        int undoSteps;
        QString text;
    };

    void replaceAll(const QString &exact, History history);
    void showExact(const QString &exact);
    void remember(const QString &exact);
    void trimHistory();

    // The exact texts written, by the undo step they left the document at, so
    // that undo and redo bring back exact texts too.
    QList<Written> m_written;
    mutable QString m_current;
    mutable bool m_touched = false; // changed by anyone else since m_current
    bool m_writing = false;
    std::shared_ptr<ListWriteStep::Registry> m_steps = std::make_shared<ListWriteStep::Registry>();
    qint64 m_historyLimit = qint64(256) << 20;
    // Characters the document keeps for its own undo after a write replaced
    // them; only dropping its history frees them.
    qint64 m_unreachable = 0;
};

} // namespace vantorix::app
