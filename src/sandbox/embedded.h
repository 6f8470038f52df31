#pragma once

#include "common/result.h"

#include <QObject>
#include <QString>

namespace vantorix::sandbox {

// Starts the sandbox web with default options on a free 127.0.0.1 port, owned
// by `parent`. Gives the host that reaches it, "127.0.0.1:PORT".
Result<QString> startEmbeddedSandbox(QObject *parent);

} // namespace vantorix::sandbox
