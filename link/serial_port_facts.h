#pragma once

#include <QList>
#include <QString>
#include <optional>

// What the system tells about one serial device, without opening it.
struct SerialPortFacts
{
    QString device;        // "/dev/ttyUSB0"; "COM3" on Windows
    QString description;   // the system's ("USB2.0-Serial")
    QString manufacturer;
    std::optional<quint16> vendorId;   // USB ids, for USB adapters
    std::optional<quint16> productId;
};

// The serial devices the system lists now.
QList<SerialPortFacts> SystemSerialPorts();
