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
    const Result<> read = input.read(m_encoding);
    if (!read)
        fail(read.error());
    return read.ok();
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

void CommandContext::announceLayout()
{
    m_err.write(QStringLiteral("layout: ") + layout->name() + QLatin1Char('\n'));
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
