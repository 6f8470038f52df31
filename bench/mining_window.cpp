// A mining run in the real window (offscreen), driven by the start button:
// how the time per query grows with the list (every query pastes the whole
// seen-list back into the list box and onto the clipboard) and the peak RSS.
// Usage: bench_mining_window HOST [LIMIT]

#include "app/binders.h"
#include "app/keyword_list_box.h"
#include "app/main_window.h"
#include "app/mining_binder.h"
#include "config/settings.h"
#include "mining/mining_run.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

using namespace vantorix;

namespace {

long peakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    // The browser engine refuses to start as root unless told to; a benchmark
    // machine runs this as root, on pages from 127.0.0.1 only.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_mining_window HOST [LIMIT]\n");
        return 2;
    }
    config::Settings settings;
    settings.hosts.setAll(args.at(1));
    settings.sandbox = true;
    const QString limit = args.value(2, QStringLiteral("20000"));

    const auto window = app::MainWindow::create().value();
    app::installBinders(*window, settings);
    window->show();
    auto *binder = window->findChild<app::MiningBinder *>();
    mining::MiningRun *run = binder->run();

    QElapsedTimer clock;
    qint64 lastMark = 0;
    int queries = 0;
    int lastQueries = 0;
    int nextReport = limit.toInt() / 10;
    QObject::connect(run, &mining::MiningRun::querying, run, [&](const QString &) {
        ++queries;
        if (run->foundCount() >= nextReport) {
            const qint64 now = clock.elapsed();
            std::printf("%6d keywords, %6d queries, %7.2f s, %.2f ms per query lately\n",
                        run->foundCount(), queries, now / 1000.0,
                        double(now - lastMark) / std::max(1, queries - lastQueries));
            lastMark = now;
            lastQueries = queries;
            nextReport += limit.toInt() / 10;
            std::fflush(stdout);
        }
    });
    QObject::connect(run, &mining::MiningRun::finished, &app, [&] {
        const qint64 ms = clock.elapsed();
        std::printf(
            "done: %d keywords, %d queries, %.2f s, list %lld characters, peak RSS %ld MB\n",
            run->foundCount(), queries, ms / 1000.0,
            qlonglong(window->controls().Text1->text().size()), peakRssKb() / 1024);
        QApplication::quit();
    });

    auto *start = window->controls().Command4;
    // Start once the marker page has released the button.
    auto tryStart = [&] {
        if (!start->isEnabled())
            return false;
        window->controls().Text4->setText(limit);
        clock.start();
        start->click();
        return true;
    };
    auto *poll = new QTimer(&app);
    QObject::connect(poll, &QTimer::timeout, &app, [&, poll] {
        if (tryStart())
            poll->stop();
    });
    poll->start(10);
    return QApplication::exec();
}
