#include "app/binders.h"
#include "app/main_window.h"
#include "config/settings.h"
#include "config/standard_output.h"
#include "sandbox/embedded.h"

#include <QApplication>

using namespace vantorix;

namespace {

const QString kProgram = QStringLiteral("vantorix");

QList<config::OptionSpec> windowOptions()
{
    return QList<config::OptionSpec>{config::helpOption(), config::versionOption()} +
           config::settingsOptions();
}

QString windowHelp()
{
    return QStringLiteral("Usage: vantorix [OPTIONS]\n\n"
                          "Options (environment variable in brackets):\n") +
           config::optionHelp(windowOptions());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorix"));
    QApplication::setApplicationVersion(QStringLiteral(VANTORIX_VERSION));

    // Qt has taken its own options (-platform, -style) out of the arguments.
    const Result<config::ParsedOptions> given =
        config::parseOptions(QApplication::arguments().mid(1), windowOptions());
    if (!given)
        return config::printError(kProgram, given.error() + QStringLiteral(" (see --help)"), 2);
    if (given->isSet(QStringLiteral("help")))
        return config::printText(kProgram, windowHelp());
    if (given->isSet(QStringLiteral("version")))
        return config::printText(kProgram, kProgram + QStringLiteral(" " VANTORIX_VERSION "\n"));
    if (!given->positional.isEmpty())
        return config::printError(
            kProgram, QStringLiteral("unexpected argument '%1'").arg(given->positional.first()), 2);

    config::Settings settings;
    for (const Result<> &applied : {config::applySettingsFlags(settings, *given),
                                    config::applySettingsEnvironment(settings, *given)}) {
        if (!applied)
            return config::printError(kProgram, applied.error(), 2);
    }
    if (settings.sandbox) {
        if (const QStringList overridden = config::hostFlagsGiven(*given); !overridden.isEmpty())
            config::printError(kProgram,
                               QStringLiteral("--sandbox serves every role; ignoring ") +
                                   overridden.join(QStringLiteral(", ")),
                               0);
        const Result<QString> host = sandbox::startEmbeddedSandbox(&app, settings);
        if (!host)
            return config::printError(kProgram, host.error(), 1);
        settings.hosts.setAll(*host);
    }

    // Each feature plugs its behaviour into the window through installBinders().
    app::MainWindow window;
    app::installBinders(window, settings);
    window.show();
    return QApplication::exec();
}
