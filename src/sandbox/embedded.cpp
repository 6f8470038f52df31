#include "sandbox/embedded.h"

#include "sandbox/sandbox_server.h"

namespace vantorix::sandbox {

bool startEmbeddedSandbox(vantorix::config::Settings &settings, QObject *parent, QString *error)
{
    auto *server = new SandboxServer(SandboxOptions{}, parent);
    if (!server->listen()) {
        delete server;
        if (error)
            *error = QStringLiteral("cannot listen on 127.0.0.1 for the sandbox web");
        return false;
    }
    settings.hosts.setAll(server->host());
    return true;
}

} // namespace vantorix::sandbox
