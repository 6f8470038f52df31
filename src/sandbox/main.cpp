#include "sandbox/sandbox_server.h"

#include <QCoreApplication>
#include <QTextStream>
#include <limits>

using namespace vantorix::sandbox;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    SandboxCommand command;
    const QString error = parseSandboxArguments(app.arguments().mid(1), command);
    if (!error.isEmpty()) {
        err << "vantorix-sandbox: " << error << "\nTry --help.\n";
        return 2;
    }
    if (command.help) {
        out << sandboxHelp();
        return 0;
    }
    if (!command.countFrom.isNull()) {
        const SandboxOptions &o = command.options;
        const KeywordGraph graph(o.seed, o.fanout, o.depth);
        out << graph.reachableFrom(command.countFrom, std::numeric_limits<qsizetype>::max())
            << '\n';
        return 0;
    }

    SandboxServer server(command.options);
    if (!server.listen(command.options.port)) {
        err << "vantorix-sandbox: cannot listen on 127.0.0.1:" << command.options.port << '\n';
        return 1;
    }
    out << "listening on http://" << server.host() << Qt::endl;
    return app.exec();
}
