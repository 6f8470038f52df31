#include "cli/mine/progress.h"

#include "cli/mine/output.h"
#include "cli/text_io.h"
#include "common/message_text.h"

#include <QCoreApplication>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vantorix::cli {

namespace {

bool stderrIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

// Chinese characters take two columns on a terminal.
qsizetype columns(const QString &text)
{
    qsizetype width = 0;
    for (const QChar c : text)
        width += c.unicode() >= 0x1100 ? 2 : 1;
    return width;
}

} // namespace

MineProgress::MineProgress(OutputStream &err) : m_err(err), m_terminal(stderrIsTerminal()) {}

void MineProgress::show(int foundCount, qint64 seconds, const QString &keyword, const QString &pace,
                        bool force)
{
    // A terminal line may change ten times a second; a log gets a line a second.
    const qint64 gap = m_terminal ? 100 : 1000;
    if (!force && m_sinceShown.isValid() && m_sinceShown.elapsed() < gap)
        return;
    m_sinceShown.start();
    // The Chinese line repeats the window's read-outs.
    const QString line =
        QCoreApplication::translate("mine", "%1 keywords  queried: %2 s%3  querying: %4")
            .arg(foundCount)
            .arg(seconds)
            .arg(pace.isEmpty() ? QString() : QStringLiteral("  ") + pace,
                 oneLine(clipped(keyword)));
    if (!m_terminal) {
        if (line != m_last)
            m_err.write(line + QLatin1Char('\n'));
    } else {
        const qsizetype width = columns(line);
        m_err.write(QLatin1Char('\r') + line +
                    QString(std::max<qsizetype>(0, m_shownWidth - width), QLatin1Char(' ')));
        m_shownWidth = width;
    }
    m_last = line;
    m_err.flush();
}

void MineProgress::close()
{
    if (m_terminal && m_shownWidth > 0) {
        m_err.write(QStringLiteral("\n"));
        m_err.flush();
    }
    m_shownWidth = 0;
}

void MineProgress::message(const QString &text)
{
    close();
    m_err.write(text + QLatin1Char('\n'));
    m_err.flush();
}

} // namespace vantorix::cli
