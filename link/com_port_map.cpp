#include "com_port_map.h"

#include <QCollator>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

namespace {

bool IsUsbAdapter(const QSerialPortInfo &info)
{
    return info.hasVendorIdentifier() || info.portName().startsWith(QLatin1String("ttyUSB"))
        || info.portName().startsWith(QLatin1String("ttyACM"));
}

}  // namespace

ComPortMap ComPortMap::fromSystem()
{
    ComPortMap map;
#ifdef Q_OS_WIN
    for (int com = 1; com <= 4; ++com)
        map.m_entries[com - 1] = {QStringLiteral("COM%1").arg(com), {}};
#else
    QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    QCollator natural;
    natural.setNumericMode(true);
    std::stable_sort(ports.begin(), ports.end(), [&](const QSerialPortInfo &a, const QSerialPortInfo &b) {
        if (IsUsbAdapter(a) != IsUsbAdapter(b))
            return IsUsbAdapter(a);
        return natural.compare(a.portName(), b.portName()) < 0;
    });
    for (int k = 0; k < 4 && k < ports.size(); ++k)
        map.m_entries[k] = {ports[k].systemLocation(), ports[k].description()};
#endif
    return map;
}

void ComPortMap::setOverride(int com, const QString &device)
{
    m_entries[com - 1] = {device, {}};
}

bool ComPortMap::setOverride(const QString &assignment)
{
    static const QRegularExpression form(QStringLiteral("^COM([1-4])=(.+)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(assignment);
    if (!match.hasMatch())
        return false;
    setOverride(match.captured(1).toInt(), match.captured(2));
    return true;
}

QString ComPortMap::device(int com) const
{
    return com >= 1 && com <= 4 ? m_entries[com - 1].device : QString();
}

QString ComPortMap::describe(int com) const
{
    const Entry &entry = m_entries[com - 1];
    if (entry.device.isEmpty())
        return QStringLiteral("COM%1 → 无串口设备").arg(com);
    if (entry.description.isEmpty())
        return QStringLiteral("COM%1 → %2").arg(com).arg(entry.device);
    return QStringLiteral("COM%1 → %2 (%3)").arg(com).arg(entry.device, entry.description);
}
