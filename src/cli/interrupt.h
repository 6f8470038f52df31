#pragma once

#include <QObject>
#include <functional>

namespace vantorix::cli {

// From now on the first Ctrl-C (SIGINT) calls `handler` from the event loop
// (checked every 100 ms by a timer owned by `parent`); a second one ends the
// process at once with status 130.
void watchInterrupts(QObject *parent, std::function<void()> handler);

} // namespace vantorix::cli
