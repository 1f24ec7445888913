#include "command_line_ports.h"

#include "adapter_kind.h"
#include "console.h"
#include "device_access.h"
#include "printable_text.h"

#include <QCoreApplication>

namespace {

QString AccessText(const DeviceAccess &access)
{
    if (!access.known)
        return QCoreApplication::translate("CommandLine", "read/write: unknown");
    if (!access.exists)
        return QCoreApplication::translate("CommandLine", "read/write: no such device");
    if (access.mayReadWrite)
        return QCoreApplication::translate("CommandLine", "read/write: yes");
    return access.group.isEmpty() ? QCoreApplication::translate("CommandLine", "read/write: no")
                                  : QCoreApplication::translate("CommandLine", "read/write: no (group %1)").arg(Printable(access.group));
}

QString HolderText(const DeviceAccess &access)
{
    if (const std::optional<BlockingLock> &lock = access.blockingLock; lock && !access.holder)
        return (lock->regularFile
                    ? QCoreApplication::translate("CommandLine", "in use: no, but the stale lock file %1 of user %2 blocks it")
                    : QCoreApplication::translate("CommandLine", "in use: no, but the lock file %1 of user %2 is no regular file and blocks it"))
            .arg(Printable(lock->path), Printable(lock->owner));
    if (!access.holder)
        return access.known ? QCoreApplication::translate("CommandLine", "in use: no") : QCoreApplication::translate("CommandLine", "in use: unknown");
    const PortHolder &holder = *access.holder;
    if (holder.program.isEmpty())
        return QCoreApplication::translate("CommandLine", "in use: yes, pid %1").arg(holder.pid);
    return QCoreApplication::translate("CommandLine", "in use: yes, %1 (pid %2)")
        .arg(Printable(holder.program), QString::number(holder.pid));
}

// "COM1  /dev/ttyUSB0  CH340/CH341 1a86:7523  read/write: yes  in use: no"
QString PortLine(const QString &option, const SerialPortFacts &port)
{
    QStringList fields{option, Printable(port.device)};
    const QString kind = Printable(AdapterKind(port) + u' ' + UsbIds(port)).trimmed();
    if (!kind.isEmpty())
        fields << kind;
    const DeviceAccess access = ProbeDeviceAccess(port.device);
    fields << AccessText(access) << HolderText(access);
    return fields.join(QLatin1String("  "));
}

}  // namespace

int RunListPorts(const CommandLine &options)
{
    ComPortMap map = PortMapFor(options);
    map.update(SystemSerialPorts());
    for (int com = 1; com <= 4; ++com) {
        const QString option = QStringLiteral("COM%1").arg(com);
        const SerialPortFacts port = map.facts(com);
        PrintLine(port.device.isEmpty() ? QCoreApplication::translate("CommandLine", "%1  no serial device").arg(option) : PortLine(option, port));
    }
    for (const SerialPortFacts &port : map.others())
        PrintLine(PortLine(QStringLiteral("-   "), port));
    return 0;
}
