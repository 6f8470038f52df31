#include "app/binders.h"
#include "app/main_window.h"
#include "app/qt_translations.h"
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
    // Options are read before the application exists: --help and usage
    // errors need no display.
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));

    vantorix::config::Settings settings;
    QString error = vantorix::config::applyEnvironment(settings);
    if (!error.isEmpty())
        return usageError(error);
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

    // The browser panel shares its graphics contexts with the window.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorix"));
    QApplication::setApplicationVersion(QStringLiteral(VANTORIX_VERSION));
    vantorix::app::installQtTranslations(app);

    if (settings.sandbox && !vantorix::sandbox::startEmbeddedSandbox(settings, &app, &error)) {
        std::fprintf(stderr, "vantorix: %s\n", qPrintable(error));
        return 1;
    }

    // Each feature plugs its behaviour into the window through installBinders().
    vantorix::app::MainWindow window;
    vantorix::app::installBinders(window, settings);
    window.show();
    return QApplication::exec();
}
