#include "sandbox/embedded.h"

#include "sandbox/sandbox_server.h"

namespace vantorix::sandbox {

Result<QString> startEmbeddedSandbox(QObject *parent, const config::Settings &settings)
{
    SandboxOptions options;
    options.live = settings.layout == config::LayoutChoice::Live;
    auto *server = new SandboxServer(options, parent);
    if (!server->listen()) {
        delete server;
        return failure(QStringLiteral("cannot listen on 127.0.0.1 for the sandbox web"));
    }
    return server->host();
}

} // namespace vantorix::sandbox
