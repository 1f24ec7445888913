#include "timed_queue.h"

#include <limits>

TimedQueue::TimedQueue(QObject *parent) : QObject(parent)
{
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TimedQueue::RunDue);
}

void TimedQueue::At(qint64 dueNs, std::function<void()> action)
{
    actions_.emplace(dueNs, std::move(action));
    Arm();
}

void TimedQueue::Clear()
{
    actions_.clear();
    timer_.stop();
}

void TimedQueue::RunDue()
{
    while (!actions_.empty() && actions_.begin()->first <= NowNs()) {
        const std::function<void()> action = std::move(actions_.begin()->second);
        actions_.erase(actions_.begin());
        action();  // may add actions or clear the queue
    }
    Arm();
}

// Wakes up at the earliest action, rounded up to whole milliseconds so that it is due then.
void TimedQueue::Arm()
{
    if (actions_.empty()) {
        timer_.stop();
        return;
    }
    const qint64 waitMs = (qMax<qint64>(0, actions_.begin()->first - NowNs()) + 999'999) / 1'000'000;
    timer_.start(int(qMin<qint64>(waitMs, std::numeric_limits<int>::max())));
}
