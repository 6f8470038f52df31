#include "app/root_sandbox.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace vantorix::app {

namespace {

[[maybe_unused]] bool runningAsRoot()
{
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false; // elsewhere the engine's sandbox does not care
#endif
}

} // namespace

QString runEngineUnsandboxedAsRoot()
{
#ifdef VANTORIX_WEBENGINE
    const char *const variable = "QTWEBENGINE_DISABLE_SANDBOX";
    if (!runningAsRoot() || qEnvironmentVariableIsSet(variable))
        return {};
    qputenv(variable, "1");
    return QStringLiteral("running as root: the browser panel runs without its sandbox, which "
                          "the web engine does not allow for root; run as an ordinary user to "
                          "keep it");
#else
    return {};
#endif
}

} // namespace vantorix::app
