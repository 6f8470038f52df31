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

} // namespace vantorix::cli
