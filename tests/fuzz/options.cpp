// The option parser with the network options and the sandbox's table, and
// the checks behind them: a host that passes the check makes a usable address,
// and a number box reads any text. Input: arguments separated by NUL bytes.
#include "config/host_check.h"
#include "config/settings.h"
#include "fuzz_input.h"
#include "hotwords/urls.h"
#include "list/filters.h"
#include "sandbox/sandbox_options.h"

using namespace vantorix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList arguments;
    for (const QByteArray &word : fuzzFields(data, size, 1).constFirst().split('\0'))
        arguments.append(QString::fromUtf8(word));

    QList<config::OptionSpec> specs = config::settingsOptions();
    specs += {config::helpOption(), config::versionOption(), {QStringLiteral("raw"), {}, {}}};
    if (const Result<config::ParsedOptions> given = config::parseOptions(arguments, specs)) {
        config::Settings settings;
        if (config::applySettingsFlags(settings, *given))
            FUZZ_CHECK(settings.timeoutSeconds >= 1 && settings.concurrency >= 1);
    }
    (void)sandbox::parseSandboxArguments(arguments);

    for (const QString &word : arguments) {
        if (config::checkHost(word)) {
            const QUrl url = hotwords::searchUrl(word, QStringLiteral("减肥"));
            FUZZ_CHECK(url.isValid() && !url.host().isEmpty());
        }
        (void)list::parseFlooredNumber(word);
    }
    return 0;
}
