#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Devices answered inside the program instead of by a serial line: where the
// system has no pseudo-terminals (Windows), `--simulate` puts its simulated
// units here. The port opens such a device by its name like any other.

// Takes the bytes written to the device and returns its answer.
using DeviceResponder = std::function<QByteArray(const QByteArray &written)>;

void AddInProcessDevice(const QString &device, DeviceResponder responder);
void RemoveInProcessDevice(const QString &device);
// The device's responder, or an empty function when it is no such device.
DeviceResponder InProcessDevice(const QString &device);
