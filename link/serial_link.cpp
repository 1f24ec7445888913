#include "serial_link.h"

#include <QFileInfo>

namespace {

// On Linux a serial device usually belongs to a group (dialout) whose members
// may open it.
QString PermissionHint(const QString &device)
{
#ifdef Q_OS_WIN
    Q_UNUSED(device);
    return {};
#else
    const QString group = QFileInfo(device).group();
    if (group.isEmpty())
        return {};
    return QStringLiteral("\n提示：把当前用户加入 %1 组即可使用该串口"
                          "（sudo usermod -aG %1 $USER，然后重新登录）。")
        .arg(group);
#endif
}

}  // namespace

SerialLink::SerialLink(ComPortMap map) : m_map(std::move(map)) {}

QString SerialLink::select(int com)
{
    close();
    m_commPort = com;
    const QString device = m_map.device(com);
    if (device.isEmpty()) {
        m_port.setDeviceName(QStringLiteral("COM%1").arg(com));  // not the device of the option before
        return QStringLiteral("COM%1 没有对应的串口设备，请选择其他COM口。").arg(com);
    }

    const QString reason = m_port.open(device);
    if (reason.isEmpty())
        return {};
    QString message = QStringLiteral("无法打开串口 COM%1（%2）：%3").arg(com).arg(device, reason);
    if (m_port.error() == QSerialPort::PermissionError)
        message += PermissionHint(device);
    return message;
}

void SerialLink::close()
{
    m_port.close();
}
