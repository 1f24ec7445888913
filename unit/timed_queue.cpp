#include "timed_queue.h"

#include <limits>

TimedQueue::TimedQueue(QObject *parent) : QObject(parent)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TimedQueue::runDue);
}

void TimedQueue::at(qint64 dueNs, std::function<void()> action)
{
    m_actions.emplace(dueNs, std::move(action));
    arm();
}

void TimedQueue::clear()
{
    m_actions.clear();
    m_timer.stop();
}

void TimedQueue::runDue()
{
    while (!m_actions.empty() && m_actions.begin()->first <= nowNs()) {
        const std::function<void()> action = std::move(m_actions.begin()->second);
        m_actions.erase(m_actions.begin());
        action();  // may add actions or clear the queue
    }
    arm();
}

// Wakes up at the earliest action, rounded up to whole milliseconds so that it is due then.
void TimedQueue::arm()
{
    if (m_actions.empty()) {
        m_timer.stop();
        return;
    }
    const qint64 waitMs = (qMax<qint64>(0, m_actions.begin()->first - nowNs()) + 999'999) / 1'000'000;
    m_timer.start(int(qMin<qint64>(waitMs, std::numeric_limits<int>::max())));
}
