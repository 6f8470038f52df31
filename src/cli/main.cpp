#include "cli/cli_runner.h"
#include "cli/interrupt.h"
#include "common/translations.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    int status = 0;
    {
        // Gone before the process ends, so that a run's lock file is too.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("vantorix-cli"));
        QCoreApplication::setApplicationVersion(QStringLiteral(VANTORIX_VERSION));
        vantorix::installTranslations(app);
        status = vantorix::cli::runCli(app);
    }
    return vantorix::cli::endWithStatus(status);
}
