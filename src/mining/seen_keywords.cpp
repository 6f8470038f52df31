#include "mining/seen_keywords.h"

#include "list/keyword_list.h"

namespace vantorix::mining {

void SeenKeywords::reset(const QString &text)
{
    m_text.clear();
    m_tail.clear();
    m_tailOpened = false;
    m_framed.clear();
    append(text);
}

void SeenKeywords::append(const QString &more)
{
    if (more.isEmpty())
        return;
    m_text += more;
    indexPieces(more);
}

void SeenKeywords::indexPieces(const QString &more)
{
    // The tail joins the new text, so a CRLF split across two appends is seen.
    const QString joined = m_tail + more;
    qsizetype from = 0;
    for (;;) {
        const qsizetype cut = joined.indexOf(list::kSeparator, from);
        if (cut < 0)
            break;
        if (m_tailOpened)
            m_framed.insert(QStringView(joined).mid(from, cut - from).toString().toCaseFolded());
        m_tailOpened = true;
        from = cut + list::kSeparator.size();
    }
    m_tail = joined.mid(from);
}

void SeenKeywords::setKnown(const QStringList &keywords)
{
    m_known.clear();
    for (const QString &keyword : keywords)
        m_known.insert(keyword.toCaseFolded());
}

bool SeenKeywords::containsFramed(const QString &word) const
{
    if (!m_known.isEmpty() && m_known.contains(word.toCaseFolded()))
        return true;
    // A word holding CR or LF may match across several pieces (or straddle a
    // separator); those rare words take the plain text search.
    if (word.contains(QLatin1Char('\r')) || word.contains(QLatin1Char('\n')))
        return m_text.contains(list::kSeparator + word + list::kSeparator, Qt::CaseInsensitive);
    return m_framed.contains(word.toCaseFolded());
}

} // namespace vantorix::mining
