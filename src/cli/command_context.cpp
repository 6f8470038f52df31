#include "cli/command_context.h"

#include "cli/interrupt.h"
#include "config/standard_output.h"

#include <QCoreApplication>

namespace vantorix::cli {

QString errorLine(const QString &message)
{
    return config::errorLine(QStringLiteral("vantorix-cli"), message);
}

CommandContext::CommandContext(const Command &command, TextEncoding encoding, QObject *parent)
    : m_command(command), m_encoding(encoding), m_parent(parent), m_out(1, encoding, 1 << 20),
      m_err(2, encoding, 1 << 12)
{
}

CommandContext::~CommandContext() = default;

bool CommandContext::readInput(StandardInput &input)
{
    const Result<InputEncoding> read =
        input.read(encodingChosen ? std::optional(m_encoding) : std::nullopt);
    if (!read) {
        fail(read.error());
        return false;
    }
    if (read->guessed) {
        m_encoding = read->encoding;
        m_out.setEncoding(m_encoding);
        m_err.write(errorLine(
            QCoreApplication::translate("cli", "note: standard input is not UTF-8 but reads as "
                                               "GB18030, so it is read and written as GB18030 "
                                               "(--encoding utf-8 keeps UTF-8)")));
    } else if (read->firstMalformed >= 0) {
        m_err.write(errorLine(QCoreApplication::translate(
                                  "cli", "warning: standard input is not valid UTF-8 (first bad "
                                         "byte at offset %1); bad bytes are kept and match "
                                         "as U+FFFD")
                                  .arg(read->firstMalformed)));
    }
    m_err.flush();
    return true;
}

int CommandContext::usageError(const QString &message)
{
    m_err.write(errorLine(config::withHelpHint(QStringLiteral("vantorix-cli"), message)));
    m_err.flush();
    return 2;
}

int CommandContext::fail(const QString &message)
{
    m_err.write(errorLine(message));
    m_err.flush();
    return 1;
}

void CommandContext::announceLayout(const QStringList &names)
{
    m_err.write(QCoreApplication::translate("cli", "layout: ") +
                (names.isEmpty() ? layout->name() : names.join(QStringLiteral(", "))) +
                QLatin1Char('\n'));
    m_err.flush();
}

void CommandContext::finish(int exitCode)
{
    if (m_finished)
        return;
    m_finished = true;
    m_exitCode = exitCode;
    // Does nothing before the loop runs; the runner then sees isFinished().
    QCoreApplication::exit(exitCode);
}

void CommandContext::onInterrupt(std::function<void()> handler)
{
    watchInterrupts(m_parent, std::move(handler));
}

} // namespace vantorix::cli
