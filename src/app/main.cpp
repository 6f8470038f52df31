#include "app/binders.h"
#include "app/main_window.h"
#include "config/settings.h"
#include "sandbox/embedded.h"

#include <QApplication>
#include <cstdio>

namespace {

int usageError(const QString &message)
{
    std::fprintf(stderr, "vantorix: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorix"));
    QApplication::setApplicationVersion(QStringLiteral(VANTORIX_VERSION));

    vantorix::config::Settings settings;
    QString error = vantorix::config::applyEnvironment(settings);
    if (!error.isEmpty())
        return usageError(error);
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size();) {
        if (args.at(i) == QLatin1String("--help")) {
            std::printf("Usage: vantorix [options]\n%s",
                        qPrintable(vantorix::config::settingsHelp()));
            return 0;
        }
        if (!vantorix::config::takeSettingsOption(args, i, settings, error))
            return usageError(QStringLiteral("unknown option '%1' (try --help)").arg(args.at(i)));
        if (!error.isEmpty())
            return usageError(error);
    }

    if (settings.sandbox) {
        const vantorix::Result<QString> host = vantorix::sandbox::startEmbeddedSandbox(&app);
        if (!host) {
            std::fprintf(stderr, "vantorix: %s\n", qPrintable(host.error()));
            return 1;
        }
        settings.hosts.setAll(*host);
    }

    // Each feature plugs its behaviour into the window through installBinders().
    vantorix::app::MainWindow window;
    vantorix::app::installBinders(window, settings);
    window.show();
    return QApplication::exec();
}
