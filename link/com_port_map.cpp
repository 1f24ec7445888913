#include "com_port_map.h"

#include "adapter_kind.h"
#include "printable_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace {

QString FileName(const QString &device)
{
    return device.mid(device.lastIndexOf(u'/') + 1);
}

bool IsUsbAdapter(const SerialPortFacts &port)
{
    const QString name = FileName(port.device);
    return port.vendorId.has_value() || name.startsWith(QLatin1String("ttyUSB"))
        || name.startsWith(QLatin1String("ttyACM"));
}

// "ttyUSB10" as ("ttyUSB", 10), so that ttyUSB2 comes before it in any locale.
std::pair<QString, qulonglong> NaturalKey(const SerialPortFacts &port)
{
    const QString name = FileName(port.device);
    qsizetype digits = name.size();
    while (digits > 0 && name[digits - 1].isDigit())
        --digits;
    return {name.left(digits), name.mid(digits).toULongLong()};
}

QList<SerialPortFacts> InMappingOrder(QList<SerialPortFacts> ports)
{
#ifdef Q_OS_WIN
    // COMk is "COMk" whatever else is listed; the list only names the adapters.
    return ports;
#else
    std::stable_sort(ports.begin(), ports.end(), [](const SerialPortFacts &a, const SerialPortFacts &b) {
        if (IsUsbAdapter(a) != IsUsbAdapter(b))
            return IsUsbAdapter(a);
        return NaturalKey(a) < NaturalKey(b);
    });
    return ports;
#endif
}

const QRegularExpression &AssignmentForm()
{
    static const QRegularExpression form(QStringLiteral("^COM([1-4])=(.+)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    return form;
}

}  // namespace

ComPortMap ComPortMap::fromPorts(const QList<SerialPortFacts> &ports)
{
    ComPortMap map;
    map.update(ports);
    return map;
}

bool ComPortMap::update(const QList<SerialPortFacts> &ports)
{
    std::array<QString, 4> before;
    for (int com = 1; com <= 4; ++com)
        before[com - 1] = describe(com);
    m_listed = InMappingOrder(ports);
    for (int com = 1; com <= 4; ++com)
        if (describe(com) != before[com - 1])
            return true;
    return false;
}

void ComPortMap::setOverride(int com, const QString &device)
{
    m_overrides[com - 1] = device;
}

bool ComPortMap::setOverride(const QString &assignment)
{
    const QRegularExpressionMatch match = AssignmentForm().match(assignment);
    if (!match.hasMatch())
        return false;
    setOverride(match.captured(1).toInt(), match.captured(2));
    return true;
}

int ComPortMap::overriddenOption(const QString &assignment)
{
    const QRegularExpressionMatch match = AssignmentForm().match(assignment);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString ComPortMap::device(int com) const
{
    if (com < 1 || com > 4)
        return {};
    if (!m_overrides[com - 1].isEmpty())
        return m_overrides[com - 1];
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(com);
#else
    return com <= m_listed.size() ? m_listed[com - 1].device : QString();
#endif
}

SerialPortFacts ComPortMap::facts(int com) const
{
    const QString path = device(com);
    const auto listed = std::find_if(m_listed.cbegin(), m_listed.cend(),
                                     [&](const SerialPortFacts &port) { return port.device == path; });
    if (listed != m_listed.cend())
        return *listed;
    SerialPortFacts unlisted;
    unlisted.device = path;
    return unlisted;
}

QString ComPortMap::describe(int com) const
{
    const SerialPortFacts port = facts(com);
    if (port.device.isEmpty())
        return QCoreApplication::translate("Link", "COM%1 → 无串口设备").arg(com);
    const QString kind = AdapterKind(port);
    if (kind.isEmpty())
        return QStringLiteral("COM%1 → %2").arg(QString::number(com), Printable(port.device));
    return QStringLiteral("COM%1 → %2 (%3)").arg(QString::number(com), Printable(port.device), Printable(kind));
}

QList<SerialPortFacts> ComPortMap::others() const
{
    QList<SerialPortFacts> rest;
    for (const SerialPortFacts &port : m_listed) {
        bool mapped = false;
        for (int com = 1; com <= 4; ++com)
            mapped = mapped || device(com) == port.device;
        if (!mapped)
            rest.append(port);
    }
    return rest;
}
