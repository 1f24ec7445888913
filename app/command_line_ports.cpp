#include "command_line_ports.h"

#include "adapter_kind.h"
#include "console.h"
#include "device_access.h"

namespace {

QString AccessText(const DeviceAccess &access)
{
    if (!access.known)
        return QStringLiteral("read/write: unknown");
    if (!access.exists)
        return QStringLiteral("read/write: no such device");
    if (access.mayReadWrite)
        return QStringLiteral("read/write: yes");
    return access.group.isEmpty() ? QStringLiteral("read/write: no")
                                  : QStringLiteral("read/write: no (group %1)").arg(access.group);
}

QString HolderText(const DeviceAccess &access)
{
    if (!access.holder)
        return access.known ? QStringLiteral("in use: no") : QStringLiteral("in use: unknown");
    const PortHolder &holder = *access.holder;
    if (holder.program.isEmpty())
        return QStringLiteral("in use: yes, pid %1").arg(holder.pid);
    return QStringLiteral("in use: yes, %1 (pid %2)").arg(holder.program).arg(holder.pid);
}

// "COM1  /dev/ttyUSB0  CH340/CH341 1a86:7523  read/write: yes  in use: no"
QString PortLine(const QString &option, const SerialPortFacts &port)
{
    QStringList fields{option, port.device};
    const QString kind = (AdapterKind(port) + u' ' + UsbIds(port)).trimmed();
    if (!kind.isEmpty())
        fields << kind;
    const DeviceAccess access = ProbeDeviceAccess(port.device);
    fields << AccessText(access) << HolderText(access);
    return fields.join(QLatin1String("  "));
}

}  // namespace

int RunListPorts(const CommandLine &options)
{
    const ComPortMap map = PortMapFor(options);
    for (int com = 1; com <= 4; ++com) {
        const QString option = QStringLiteral("COM%1").arg(com);
        const SerialPortFacts port = map.facts(com);
        PrintLine(port.device.isEmpty() ? option + QLatin1String("  no serial device") : PortLine(option, port));
    }
    for (const SerialPortFacts &port : map.others())
        PrintLine(PortLine(QStringLiteral("-   "), port));
    return 0;
}
