#include "cli/interrupt.h"

#include <QTimer>
#include <atomic>
#include <csignal>
#include <cstdlib>

namespace vantorix::cli {

namespace {

std::atomic<int> interrupts{0};

extern "C" void onSigint(int)
{
    if (interrupts.fetch_add(1) >= 1)
        std::_Exit(130);
    std::signal(SIGINT, onSigint); // some platforms reset the handler
}

} // namespace

void watchInterrupts(QObject *parent, std::function<void()> handler)
{
    std::signal(SIGINT, onSigint);
    auto *timer = new QTimer(parent);
    timer->setInterval(100);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handler = std::move(handler)] {
        if (interrupts.load() == 0)
            return;
        timer->stop();
        handler();
    });
    timer->start();
}

} // namespace vantorix::cli
