#pragma once

#include "com_port_map.h"
#include "port_watch.h"
#ifdef Q_OS_WIN
#include "win_serial_port.h"
#else
#include "serial_port.h"
#endif
#include "serial_port_facts.h"

#include <functional>

// The program's one serial connection and its COM choice. Selecting a COM
// option takes the system's list of devices afresh, closes the port and
// opens it again on the chosen number.
class SerialLink
{
public:
    using PortLister = std::function<QList<SerialPortFacts>()>;

    // `listPorts` tells which serial devices the system has now.
    explicit SerialLink(ComPortMap map, PortLister listPorts = SystemSerialPorts);

    // Closes the port, then opens option com (1..4), listing the system's
    // devices afresh unless the option is overridden. Returns an empty string
    // on success, otherwise a message for the user naming the device and the
    // reason, and what to do about it. The port stays closed then, named
    // by the option's device or, without one, by the option ("COM2"), and
    // another option can be selected at once.
    QString select(int com);
    // Before a write: selects the option again when it now stands for
    // another device than the open one, or the port is closed or failed, so
    // that the write goes to the device the option names. Returns select()'s
    // message, empty when the port is open for the write.
    QString reselectForWrite();
    // Takes the system's list afresh (true when any option changed) and
    // closes a port whose device is gone or that failed, so that the
    // adapter comes back under its name; the next select reopens it.
    bool refresh();
    void close();
    // Points option com at `device` instead of its own port (empty: its own
    // again); the next select opens it.
    void pointOption(int com, const QString &device) { m_map.setOverride(com, device); }

    enum class State { Open, Closed, Disconnected };
    // Disconnected: the port was open and its device went away or failed.
    State state() const;

    int commPort() const { return m_commPort; }
    SerialPort &port() { return m_port; }
    const ComPortMap &map() const { return m_map; }
    // Tells when the system's devices may have changed (refresh() then).
    PortWatch &watch() { return m_watch; }

private:
    bool deviceLost() const;

    ComPortMap m_map;
    PortLister m_listPorts;
    SerialPort m_port;
    PortWatch m_watch;
    int m_commPort = 0;
    bool m_disconnected = false;
};
