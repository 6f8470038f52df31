#include "cli/interrupt.h"

#include "cli/text_io.h"

#include <QTimer>
#include <atomic>
#include <csignal>
#include <cstdlib>

namespace vantorix::cli {

namespace {

// Touched from a signal handler, so lock-free atomics only.
std::atomic<int> stopSignals{0};
std::atomic<int> abortAt{2};        // the stop signal that ends the process
std::atomic<bool> abortHeld{false}; // a HeldAbort lives
std::atomic<int> heldSignal{0};     // the signal it held back
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free,
              "touched from a signal handler");

// A terminal closing or a service manager stopping the process must not lose
// what a run has mined, so those signals stop it like Ctrl-C does.
const int kStopSignals[] = {
    SIGINT,
#ifdef Q_OS_UNIX
    SIGTERM,
    SIGHUP,
#endif
#ifdef SIGBREAK
    SIGBREAK,
#endif
};

extern "C" void onStopSignal(int number)
{
    if (stopSignals.fetch_add(1) + 1 >= abortAt.load()) {
        if (!abortHeld.load())
            std::_Exit(128 + number);
        heldSignal.store(number);
    }
    std::signal(number, onStopSignal); // some platforms reset the handler
}

void catchStopSignals()
{
    for (const int number : kStopSignals) {
        // A signal ignored by whoever started us (nohup, a background job)
        // stays ignored.
        if (std::signal(number, onStopSignal) == SIG_IGN)
            std::signal(number, SIG_IGN);
    }
}

} // namespace

void watchInterrupts(QObject *parent, std::function<void()> handler)
{
    catchStopSignals();
    auto *timer = new QTimer(parent);
    timer->setInterval(100);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handler = std::move(handler)] {
        if (stopSignals.load() == 0)
            return;
        timer->stop();
        handler();
    });
    timer->start();
}

void stopAtInterrupt()
{
    abortAt.store(1);
    catchStopSignals();
}

HeldAbort::HeldAbort()
{
    abortHeld.store(true);
}

HeldAbort::~HeldAbort()
{
    abortHeld.store(false);
    if (const int number = heldSignal.load())
        std::_Exit(128 + number);
}

bool HeldAbort::requested() const
{
    return heldSignal.load() != 0;
}

int endWithStatus(int status)
{
#ifdef Q_OS_UNIX
    if (status == kReaderGoneStatus) {
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
#endif
    return status;
}

} // namespace vantorix::cli
