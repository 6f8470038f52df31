#pragma once

#include "config/settings.h"

#include <QObject>
#include <QString>

namespace vantorix::sandbox {

// Starts the sandbox web with default options on a free 127.0.0.1 port, owned
// by `parent`, and points every host role of `settings` at it. On failure
// returns false and says why in `error` (when given).
bool startEmbeddedSandbox(vantorix::config::Settings &settings, QObject *parent,
                          QString *error = nullptr);

} // namespace vantorix::sandbox
