#pragma once

#include "common/result.h"
#include "config/settings.h"

#include <QObject>
#include <QString>

namespace vantorix::sandbox {

// Starts the sandbox web with default options on a free 127.0.0.1 port, owned
// by `parent`, serving today's pages when the client's settings ask for the
// live layout (auto reads the sandbox as classic). Gives the host that
// reaches it, "127.0.0.1:PORT".
Result<QString> startEmbeddedSandbox(QObject *parent, const config::Settings &settings);

} // namespace vantorix::sandbox
