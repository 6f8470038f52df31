#include "common/translations.h"
#include "config/standard_output.h"
#include "sandbox/sandbox_server.h"

#include <QCoreApplication>
#include <limits>

using namespace vantorix;
using namespace vantorix::sandbox;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    installTranslations(app);
    const QString program = QStringLiteral("vantorix-sandbox");
    const Result<SandboxCommand> command = parseSandboxArguments(app.arguments().mid(1));
    if (!command)
        return config::printError(program, config::withHelpHint(program, command.error()), 2);
    if (command->help)
        return config::printText(program, sandboxHelp());
    if (command->version)
        return config::printText(program, program + QStringLiteral(" " VANTORIX_VERSION "\n"));
    const SandboxOptions &options = command->options;
    if (!command->countFrom.isNull()) {
        const KeywordGraph graph(options.seed, options.fanout, options.depth);
        const qsizetype count =
            graph.reachableFrom(command->countFrom, std::numeric_limits<qsizetype>::max());
        return config::printText(program, QString::number(count) + QLatin1Char('\n'));
    }

    SandboxServer server(options);
    if (command->log)
        QObject::connect(&server, &SandboxServer::requestReceived, &server,
                         [&program](const RequestRecord &request) {
                             config::printText(
                                 program,
                                 request.client + QLatin1Char('\t') +
                                     QString::fromLatin1(request.target + '\t' + request.userAgent +
                                                         '\t' + request.acceptLanguage + '\t' +
                                                         request.cookie + '\n'));
                         });
    QObject::connect(
        &server, &SandboxServer::blockSent, &server,
        [&program](const RequestRecord &request, const QString &form, const QString &reason) {
            config::printText(program, QStringLiteral("block\t") + request.client +
                                           QLatin1Char('\t') + QString::fromLatin1(request.target) +
                                           QLatin1Char('\t') + form + QLatin1Char('\t') + reason +
                                           QLatin1Char('\n'));
        });
    if (!server.listen(options.port))
        return config::printError(
            program,
            QCoreApplication::translate("sandbox", "cannot listen on 127.0.0.1:%1")
                .arg(options.port),
            1);
    config::printText(program,
                      QStringLiteral("listening on http://") + server.host() + QLatin1Char('\n'));
    return app.exec();
}
