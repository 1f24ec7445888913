#include "in_process_devices.h"

#include <QHash>

namespace {

QHash<QString, DeviceResponder> &Devices()
{
    static QHash<QString, DeviceResponder> devices;
    return devices;
}

}  // namespace

void AddInProcessDevice(const QString &device, DeviceResponder responder)
{
    Devices().insert(device, std::move(responder));
}

void RemoveInProcessDevice(const QString &device)
{
    Devices().remove(device);
}

DeviceResponder InProcessDevice(const QString &device)
{
    return Devices().value(device);
}
