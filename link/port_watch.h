#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

// Tells when serial devices may have come or gone. Where udev runs, its
// monitor reports each serial device added or removed at once; elsewhere
// (no udev, or a system it does not reach) the watch says so every
// kFallbackMs, and the listener lists the devices again to see.
class PortWatch : public QObject
{
    Q_OBJECT

public:
    static constexpr int kFallbackMs = 30000;

    PortWatch();
    ~PortWatch() override;

    // Watches from now on until stop(); starting a running watch does nothing.
    void start();
    void stop();
    // True while the system itself tells of changes (not the slow fallback).
    bool notified() const;

Q_SIGNALS:
    void portsChanged();

private:
    struct Monitor;  // the system's notification, where there is one
    std::unique_ptr<Monitor> m_monitor;
    QTimer m_fallback;
};
