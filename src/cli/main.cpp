#include "cli/cli_runner.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantorix-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTORIX_VERSION));
    return vantorix::cli::runCli(app);
}
