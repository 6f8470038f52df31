#include "sandbox/embedded.h"

#include "sandbox/sandbox_server.h"

#include <QCoreApplication>

namespace vantorix::sandbox {

Result<QString> useEmbeddedSandbox(QObject *parent, config::Settings &settings,
                                   const config::ParsedOptions &given)
{
    SandboxOptions options;
    options.live = config::readsLivePages(settings);
    auto *server = new SandboxServer(options, parent);
    if (!server->listen()) {
        delete server;
        return failure(QCoreApplication::translate(
            "sandbox", "cannot start the sandbox web: cannot listen on 127.0.0.1"));
    }
    settings.hosts.setAll(server->host());
    if (!settings.retries)
        settings.retries = 0;
    if (!settings.delayMs && !settings.autoPace)
        settings.delayMs = 0;
    const QStringList overridden = config::hostFlagsGiven(given);
    if (overridden.isEmpty())
        return QString();
    return QString(
        QCoreApplication::translate("sandbox", "--sandbox serves every role; ignoring ") +
        overridden.join(QStringLiteral(", ")));
}

} // namespace vantorix::sandbox
