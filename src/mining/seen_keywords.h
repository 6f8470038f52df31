#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace vantorix::mining {

// The seen-list of a mining run: its text (what the keyword list shows) plus
// an index of its CRLF-framed pieces, so that the duplicate test
// "the text contains CRLF + word + CRLF, ignoring case" costs the same with
// a hundred thousand keywords as with ten.
class SeenKeywords
{
public:
    // Replaces the whole text.
    void reset(const QString &text);
    // Appends to the text.
    void append(const QString &more);

    const QString &text() const { return m_text; }

    // Keywords found before (by another run), which the duplicate test knows
    // although the text does not hold them; kept through reset().
    void setKnown(const QStringList &keywords);

    // True when the text holds CRLF + word + CRLF, ignoring case, or the
    // word is a known keyword.
    bool containsFramed(const QString &word) const;

private:
    void indexPieces(const QString &more);

    QString m_text;
    QString m_tail;            // text after the last CRLF, not yet closed by one
    bool m_tailOpened = false; // whether a CRLF stands before the tail
    QSet<QString> m_framed;    // case-folded pieces with a CRLF on both sides
    QSet<QString> m_known;     // case-folded
};

} // namespace vantorix::mining
