#include "port_watch.h"

#ifdef ALARMCFG_LIBUDEV
#include <QSocketNotifier>
#include <libudev.h>
#include <unistd.h>
#endif

#ifdef ALARMCFG_LIBUDEV

// udev's monitor of tty devices. Without a running udev daemon it opens
// all the same but never tells anything: it is not taken then.
struct PortWatch::Monitor
{
    udev *context = nullptr;
    udev_monitor *monitor = nullptr;
    std::unique_ptr<QSocketNotifier> notifier;

    ~Monitor()
    {
        notifier.reset();
        if (monitor)
            udev_monitor_unref(monitor);
        if (context)
            udev_unref(context);
    }

    static std::unique_ptr<Monitor> open(PortWatch &watch)
    {
        if (::access("/run/udev/control", F_OK) != 0)
            return nullptr;
        auto m = std::make_unique<Monitor>();
        m->context = udev_new();
        m->monitor = m->context ? udev_monitor_new_from_netlink(m->context, "udev") : nullptr;
        if (!m->monitor || udev_monitor_filter_add_match_subsystem_devtype(m->monitor, "tty", nullptr) < 0
            || udev_monitor_enable_receiving(m->monitor) < 0)
            return nullptr;
        m->notifier = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(m->monitor), QSocketNotifier::Read);
        udev_monitor *monitor = m->monitor;
        QObject::connect(m->notifier.get(), &QSocketNotifier::activated, &watch, [&watch, monitor] {
            while (udev_device *device = udev_monitor_receive_device(monitor))
                udev_device_unref(device);
            Q_EMIT watch.portsChanged();
        });
        return m;
    }
};

#else

struct PortWatch::Monitor
{
    static std::unique_ptr<Monitor> open(PortWatch &) { return nullptr; }
};

#endif

PortWatch::PortWatch()
{
    m_fallback.setInterval(kFallbackMs);
    connect(&m_fallback, &QTimer::timeout, this, &PortWatch::portsChanged);
}

PortWatch::~PortWatch() = default;

void PortWatch::start()
{
    if (m_monitor || m_fallback.isActive())
        return;
    m_monitor = Monitor::open(*this);
    if (!m_monitor)
        m_fallback.start();
}

void PortWatch::stop()
{
    m_monitor.reset();
    m_fallback.stop();
}

bool PortWatch::notified() const
{
    return m_monitor != nullptr;
}
