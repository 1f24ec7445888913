#pragma once

#include "serial_port_facts.h"

#include <QList>
#include <QString>
#include <array>

// Which serial device each of the options COM1 to COM4 stands for.
// On Windows COMk is the device "COMk". Elsewhere COMk is the k-th serial
// device the system lists: USB adapters (ttyUSB*, ttyACM*, or any port with a
// USB vendor id) first, then the others, each group in natural name order
// (ttyUSB2 before ttyUSB10). An override (--port COMk=DEVICE) wins, and
// stays through every update from the system's list.
class ComPortMap
{
public:
    // The mapping of the given list of devices.
    static ComPortMap fromPorts(const QList<SerialPortFacts> &ports);

    // Maps the options afresh from `ports`, overrides kept; true when any
    // option now stands for another device or is described otherwise.
    bool update(const QList<SerialPortFacts> &ports);

    void setOverride(int com, const QString &device);
    // Parses "COMk=DEVICE"; false when it is not of that form.
    bool setOverride(const QString &assignment);
    bool overridden(int com) const { return com >= 1 && com <= 4 && !m_overrides[com - 1].isEmpty(); }
    // The option an assignment names (1..4), 0 when it is not one.
    static int overriddenOption(const QString &assignment);

    // Device path for option com (1..4); empty when there is none.
    QString device(int com) const;
    // What the system tells about option com's device; only the device
    // path when the system does not list it (an override).
    SerialPortFacts facts(int com) const;
    // "COM1 → /dev/ttyUSB0 (CH340/CH341)", for the page and the log.
    QString describe(int com) const;
    // Listed devices that no option stands for, in the mapping's order.
    QList<SerialPortFacts> others() const;

private:
    QList<SerialPortFacts> m_listed;  // in the mapping's order
    std::array<QString, 4> m_overrides;
};
