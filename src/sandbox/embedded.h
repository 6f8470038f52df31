#pragma once

#include "common/result.h"
#include "config/option_parser.h"
#include "config/settings.h"

#include <QObject>
#include <QString>

namespace vantorix::sandbox {

// --sandbox: starts the sandbox web with default options on a free 127.0.0.1
// port, owned by `parent`, serving today's pages when the settings read them,
// and points every host of `settings` at it. It never throttles, so queries
// are neither paced nor retried there unless the settings ask. Gives the
// warning to show when host flags among `given` are overridden (empty if none).
Result<QString> useEmbeddedSandbox(QObject *parent, config::Settings &settings,
                                   const config::ParsedOptions &given);

} // namespace vantorix::sandbox
