// A mining run in the real window (offscreen), driven by the start button:
// how the cost of a query grows with the list (every query pastes the whole
// seen-list back into the list box and onto the clipboard), how long a click
// waits for the window while it mines, and the peak RSS.
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
#include <QMouseEvent>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

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

double cpuMs(std::clock_t from, std::clock_t to)
{
    return double(to - from) * 1000.0 / CLOCKS_PER_SEC;
}

// Posts a real mouse click to a control from another thread every half
// second, and times each from its posting to its press reaching the control:
// how long a person's click waits while the window is busy.
class ClickProbe : public QObject
{
public:
    explicit ClickProbe(QWidget *target)
        : m_target(target), m_at(QRectF(target->rect()).center()),
          m_globalAt(target->mapToGlobal(m_at))
    {
        target->installEventFilter(this);
        m_clock.start();
        m_thread.reset(QThread::create([this] { post(); }));
        m_thread->start();
    }
    ~ClickProbe() override
    {
        m_stop = true;
        m_thread->wait();
    }

    // Milliseconds each click waited, sorted.
    std::vector<double> waits()
    {
        std::vector<double> sorted = m_waits;
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_target && event->type() == QEvent::MouseButtonPress) {
            m_waits.push_back((m_clock.nsecsElapsed() - m_postedAt.load()) / 1e6);
            ++m_handled;
        }
        return false;
    }

private:
    void post()
    {
        while (!m_stop) {
            QThread::msleep(500);
            // One click in flight at a time, so each press has one posting time.
            if (m_handled != m_posted)
                continue;
            m_postedAt = m_clock.nsecsElapsed();
            ++m_posted;
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    m_target, new QMouseEvent(type, m_at, m_globalAt, Qt::LeftButton,
                                              type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                               : Qt::NoButton,
                                              Qt::NoModifier));
        }
    }

    QWidget *m_target;
    QPointF m_at;
    QPointF m_globalAt;
    QElapsedTimer m_clock;
    std::atomic<qint64> m_postedAt{0};
    std::atomic<bool> m_stop{false};
    std::vector<double> m_waits; // the GUI thread's
    std::atomic<size_t> m_handled{0};
    size_t m_posted = 0; // the posting thread's
    std::unique_ptr<QThread> m_thread;
};

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
    int lastQueries = 0;
    int nextReport = limit.toInt() / 10;
    // Process CPU when each query began.
    std::vector<std::clock_t> cpuAt;
    std::unique_ptr<ClickProbe> clicks;
    QObject::connect(run, &mining::MiningRun::querying, run, [&](const QString &) {
        cpuAt.push_back(std::clock());
        const int queries = int(cpuAt.size());
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
        const std::clock_t end = std::clock();
        const qint64 ms = clock.elapsed();
        const std::vector<double> waits = clicks->waits();
        clicks.reset();
        const size_t n = cpuAt.size();
        std::printf(
            "done: %d keywords, %zu queries, %.2f s, list %lld characters, peak RSS %ld MB\n",
            run->foundCount(), n, ms / 1000.0, qlonglong(window->controls().Text1->text().size()),
            peakRssKb() / 1024);
        if (n > 2000) {
            const double first = cpuMs(cpuAt[0], cpuAt[1000]);
            const double last = cpuMs(cpuAt[n - 1000], end);
            std::printf("process CPU: first 1,000 queries %.0f ms, last 1,000 %.0f ms (%.2fx); "
                        "whole run %.1f s\n",
                        first, last, last / first, cpuMs(0, end) / 1000.0);
        }
        if (!waits.empty())
            std::printf("clicks: %zu, wait median %.1f ms, p99 %.1f ms, max %.1f ms\n",
                        waits.size(), waits[waits.size() / 2], waits[waits.size() * 99 / 100],
                        waits.back());
        QApplication::quit();
    });

    auto *start = window->controls().Command4;
    // Start once the marker page has released the button.
    auto tryStart = [&] {
        if (!start->isEnabled())
            return false;
        window->controls().Text4->setText(limit);
        clicks = std::make_unique<ClickProbe>(window->controls().Text3);
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
