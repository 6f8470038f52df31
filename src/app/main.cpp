#include "app/binders.h"
#include "app/main_window.h"
#include "app/root_sandbox.h"
#include "common/translations.h"
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
    return QCoreApplication::translate("window", "Usage: vantorix [OPTIONS]\n\n"
                                                 "Options (environment variable in brackets):\n") +
           config::optionHelp(windowOptions());
}

// Qt's own options (-platform, -style) are spelt with one dash; only
// QApplication knows them, and it needs a display.
bool mayHoldQtOptions(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            return false;
        if (argument.size() > 1 && argument.startsWith(QLatin1Char('-')) &&
            !argument.startsWith(QLatin1String("--")) && argument != QLatin1String("-h"))
            return true;
    }
    return false;
}

// --help, --version and a usage error: a core application is enough to load
// the user's language.
int answerWithoutWindow(int argc, char *argv[], const QStringList &arguments)
{
    QCoreApplication app(argc, argv);
    installTranslations(app);
    // Parsed again, for its error in the user's language.
    const Result<config::ParsedOptions> given = config::parseOptions(arguments, windowOptions());
    if (!given)
        return config::printError(kProgram, config::withHelpHint(kProgram, given.error()), 2);
    if (given->isSet(QStringLiteral("help")))
        return config::printText(kProgram, windowHelp());
    return config::printText(kProgram, kProgram + QStringLiteral(" " VANTORIX_VERSION "\n"));
}

} // namespace

int main(int argc, char *argv[])
{
    // Options are read before the window's application exists, so --help and
    // usage errors need no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    Result<config::ParsedOptions> given = config::parseOptions(arguments, windowOptions());
    if ((!given && !mayHoldQtOptions(arguments)) ||
        (given &&
         (given->isSet(QStringLiteral("help")) || given->isSet(QStringLiteral("version")))))
        return answerWithoutWindow(argc, argv, arguments);

    if (const QString note = app::runEngineUnsandboxedAsRoot(); !note.isEmpty())
        config::printError(kProgram, note, 0);
    // The browser panel shares its graphics contexts with the window.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorix"));
    QApplication::setApplicationVersion(QStringLiteral(VANTORIX_VERSION));
    // Qt's own texts (the file dialog's) in Chinese whatever the locale, to
    // match the window.
    installQtCatalogue(app, QStringLiteral("qt"));
    installTranslations(app);
    if (!given) {
        // Qt has taken its own options out of the arguments now.
        given = config::parseOptions(QApplication::arguments().mid(1), windowOptions());
        if (!given)
            return config::printError(kProgram, config::withHelpHint(kProgram, given.error()), 2);
    }
    if (!given->positional.isEmpty())
        return config::printError(kProgram,
                                  QCoreApplication::translate("window", "unexpected argument '%1'")
                                      .arg(given->positional.first()),
                                  2);

    config::Settings settings;
    for (const Result<> &applied : {config::applySettingsFlags(settings, *given),
                                    config::applySettingsEnvironment(settings, *given)}) {
        if (!applied)
            return config::printError(kProgram, applied.error(), 2);
    }
    if (settings.sandbox) {
        const Result<QString> warning = sandbox::useEmbeddedSandbox(&app, settings, *given);
        if (!warning)
            return config::printError(kProgram, warning.error(), 1);
        if (!warning->isEmpty())
            config::printError(kProgram, *warning, 0);
    }

    // Each feature plugs its behaviour into the window through installBinders().
    const Result<std::unique_ptr<app::MainWindow>> window = app::MainWindow::create();
    if (!window)
        return config::printError(kProgram, window.error(), 1);
    app::installBinders(**window, settings);
    (*window)->show();
    return QApplication::exec();
}
