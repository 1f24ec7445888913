#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>

// Runs actions at given times on the event loop, in time order, actions due
// at the same time in the order they were added. Times are nanoseconds since
// the queue was made (see NowNs).
class TimedQueue : public QObject
{
public:
    explicit TimedQueue(QObject *parent = nullptr);

    qint64 nowNs() const { return m_clock.nsecsElapsed(); }

    void at(qint64 dueNs, std::function<void()> action);

    // Drops every action not yet run.
    void clear();

private:
    void runDue();
    void arm();

    QElapsedTimer m_clock;
    QTimer m_timer;
    std::multimap<qint64, std::function<void()>> m_actions;
};
