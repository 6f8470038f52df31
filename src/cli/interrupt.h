#pragma once

#include <QObject>
#include <functional>

namespace vantorix::cli {

// From now on the first stop signal calls `handler` from the event loop
// (checked every 100 ms by a timer owned by `parent`); a second one ends the
// process at once with status 128 + its number (130 for a second Ctrl-C).
// The stop signals are Ctrl-C (SIGINT) everywhere, SIGTERM and SIGHUP on
// Unix, and Ctrl-Break on Windows.
void watchInterrupts(QObject *parent, std::function<void()> handler);

// For a command that works outside the event loop: from now on the first
// stop signal ends the process at once, as the second does above.
void stopAtInterrupt();

// While one lives, a stop signal that would end the process at once is held
// back, so that a file being written can be given up cleanly, its temporary
// files removed: the writer asks requested() as it goes. When it ends, a
// signal held back ends the process as it would have.
class HeldAbort
{
public:
    HeldAbort();
    ~HeldAbort();
    HeldAbort(const HeldAbort &) = delete;
    HeldAbort &operator=(const HeldAbort &) = delete;

    bool requested() const;
};

// For kReaderGoneStatus, ends the process as a Unix tool ends when its
// reader goes away: killed by SIGPIPE. Any other status is returned as it is.
int endWithStatus(int status);

} // namespace vantorix::cli
