#include "cli/cli_runner.h"
#include "common/translations.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantorix-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTORIX_VERSION));
    vantorix::installTranslations(app);
    return vantorix::cli::runCli(app);
}
