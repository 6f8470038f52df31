#pragma once

#include <QList>
#include <QString>
#include <QTextDocument>
#include <functional>
#include <memory>

namespace vantorix::app {

// One write of the whole list as a step of the text box's own undo history.
// It keeps the two texts, not the document's edits: a million-line rewrite
// recorded edit by edit costs far more than the texts themselves.
class ListWriteStep : public QAbstractUndoItem
{
public:
    // The steps alive in one document, oldest first, so that their bytes can
    // be counted and the oldest dropped.
    struct Registry
    {
        QList<ListWriteStep *> steps;
        qint64 bytes() const;
    };
    using Show = std::function<void(const QString &)>;

    // `pending`: the document does not show `after` yet; the first undo is
    // then a no-op and the redo that follows writes it.
    ListWriteStep(std::shared_ptr<Registry> registry, Show show, QString before, QString after,
                  bool pending);
    ~ListWriteStep() override;

    void undo() override;
    void redo() override;

    const QString &before() const { return m_before; }
    const QString &after() const { return m_after; }

private:
    std::shared_ptr<Registry> m_registry;
    Show m_show;
    QString m_before;
    QString m_after;
    bool m_pending;
};

} // namespace vantorix::app
