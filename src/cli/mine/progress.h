#pragma once

#include <QElapsedTimer>
#include <QString>

namespace vantorix::cli {

class OutputStream;

// The progress of a mining run on standard error: on a terminal one line
// rewritten in place, otherwise a plain line now and then.
class MineProgress
{
public:
    explicit MineProgress(OutputStream &err);

    // Count, elapsed seconds and the keyword being queried, as the window
    // words them, and the pace in force (empty when unpaced). Writes only
    // when it is time to (or when `force`).
    void show(int foundCount, qint64 seconds, const QString &keyword, const QString &pace,
              bool force = false);
    // Ends the progress line so that further messages start on their own.
    void close();
    // A message of its own on standard error, clear of the progress line.
    void message(const QString &text);

private:
    OutputStream &m_err;
    bool m_terminal;
    QElapsedTimer m_sinceShown;
    qsizetype m_shownWidth = 0; // columns of the line on screen
    QString m_last;
};

} // namespace vantorix::cli
