#pragma once

#include <QCoreApplication>

namespace vantorix::cli {

// Runs vantorix-cli on the application's arguments and returns its exit
// status. The event loop runs only while an asynchronous command works.
int runCli(QCoreApplication &app);

} // namespace vantorix::cli
