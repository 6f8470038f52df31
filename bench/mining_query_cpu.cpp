// CPU time of the mining run per query, measured in two windows of queries:
// once the run has found FIRST keywords and once it has found SECOND. The
// pages come from a vantorix-sandbox on HOST with no latency, so the run's own
// work (cut, harvest, duplicate test, seen-list) is what is timed; the
// sandbox's CPU is in its own process.
// Usage: bench_mining_query_cpu HOST [FIRST SECOND WINDOW]

#include "config/settings.h"
#include "layout/page_layout.h"
#include "mining/jcf.h"
#include "mining/mining_run.h"
#include "web/page_fetcher.h"

#include <QCoreApplication>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace vantorix;

namespace {

struct Window
{
    int from;        // found count that opens the window
    int queries = 0; // queries timed so far
    std::clock_t start = 0;
    std::clock_t end = 0;
    int foundAtStart = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_mining_query_cpu HOST [FIRST SECOND WINDOW]\n");
        return 2;
    }
    const QString host = args.at(1);
    const int first = args.value(2, QStringLiteral("1000")).toInt();
    const int second = args.value(3, QStringLiteral("100000")).toInt();
    const int window = args.value(4, QStringLiteral("1000")).toInt();

    config::Settings settings;
    settings.hosts.setAll(host);
    settings.sandbox = true;
    web::PageFetcher fetcher(settings);
    mining::MiningRun run(&fetcher, layout::chooseLayout(settings), {1, 0, 0});

    std::vector<Window> windows = {{first}, {second}};
    int queries = 0;
    QObject::connect(&run, &mining::MiningRun::querying, &run, [&](const QString &) {
        ++queries;
        const std::clock_t now = std::clock();
        for (Window &w : windows) {
            if (w.start == 0 && run.foundCount() >= w.from) {
                w.start = now;
                w.foundAtStart = run.foundCount();
            } else if (w.start != 0 && w.queries < window) {
                if (++w.queries == window) {
                    w.end = now;
                    if (&w == &windows.back())
                        run.requestStop();
                }
            }
        }
    });
    QObject::connect(&run, &mining::MiningRun::finished, &app, [&] {
        std::printf("queries %d, keywords %d\n", queries, run.foundCount());
        for (const Window &w : windows) {
            if (w.end == 0) {
                std::printf("from %d keywords: window not completed (%d queries)\n", w.from,
                            w.queries);
                continue;
            }
            const double ms = 1000.0 * double(w.end - w.start) / CLOCKS_PER_SEC;
            std::printf("from %d keywords: %d queries, %.1f ms CPU, %.3f ms per query\n",
                        w.foundAtStart, w.queries, ms, ms / w.queries);
        }
        QCoreApplication::quit();
    });
    run.start({QStringLiteral("减肥"),
               QString::number(second * 2),
               QStringLiteral("0"),
               mining::kFilterOff,
               {}});
    return QCoreApplication::exec();
}
