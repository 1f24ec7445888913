#include "serial_link.h"

#include "open_failure.h"

#include <QCoreApplication>
#include <QFileInfo>

SerialLink::SerialLink(ComPortMap map, PortLister listPorts)
    : m_map(std::move(map)), m_listPorts(std::move(listPorts))
{
}

QString SerialLink::select(int com)
{
    close();
    if (!m_map.overridden(com))  // listing is the slowest part of a start, and cannot move an override
        m_map.update(m_listPorts());
    m_commPort = com;
    const QString device = m_map.device(com);
    if (device.isEmpty()) {
        m_port.setDeviceName(QStringLiteral("COM%1").arg(com));  // not the device of the option before
        return QCoreApplication::translate("Link", "COM%1 没有对应的串口设备，请插好USB串口适配器后再选择该COM口，或选择其他COM口。").arg(com);
    }

    // QSerialPort reads a lock file it finds, and would wait for ever on a FIFO put there.
    if (const std::optional<BlockingLock> lock = FindBlockingLock(device); lock && !lock->regularFile) {
        m_port.setDeviceName(device);
        return OpenFailureMessage({com, device, {}, true, ProbeDeviceAccess(device)});
    }
    const QString reason = m_port.open(device);
    if (reason.isEmpty())
        return {};
#ifdef Q_OS_WIN
    const bool refused = m_port.openRefused();
#else
    const bool refused = m_port.error() == QSerialPort::PermissionError;
#endif
    return OpenFailureMessage({com, device, reason, refused, ProbeDeviceAccess(device)});
}

QString SerialLink::reselectForWrite()
{
    m_map.update(m_listPorts());
    const bool sameDevice = m_port.isOpen() && m_port.deviceName() == m_map.device(m_commPort);
    if (sameDevice && !deviceLost())
        return {};
    return select(m_commPort == 0 ? 1 : m_commPort);
}

bool SerialLink::refresh()
{
    const bool changed = m_map.update(m_listPorts());
    if (m_port.isOpen() && deviceLost()) {
        m_port.close();
        m_disconnected = true;
    }
    return changed;
}

void SerialLink::close()
{
    m_port.close();
    m_disconnected = false;
}

SerialLink::State SerialLink::state() const
{
    if (m_port.isOpen() && deviceLost())
        return State::Disconnected;
    if (m_port.isOpen())  // the option may stand for another device by now
        return m_port.deviceName() == m_map.device(m_commPort) ? State::Open : State::Closed;
    return m_disconnected ? State::Disconnected : State::Closed;
}

bool SerialLink::deviceLost() const
{
#ifdef Q_OS_UNIX
    // An unplugged adapter's device node goes at once; the port fails only at its next use.
    if (!QFileInfo::exists(m_port.deviceName()))
        return true;
#endif
    return m_port.hasFailed();
}
