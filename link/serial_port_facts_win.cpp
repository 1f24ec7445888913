#include "serial_port_facts.h"

#include <QRegularExpression>
#include <algorithm>

#include <windows.h>
#include <setupapi.h>
#include <initguid.h>  // defines GUID_DEVCLASS_PORTS here: MinGW's libraries lack it
#include <devguid.h>

namespace {

// The COM number of "COM12", 0 for any other name.
int ComNumber(const QString &name)
{
    static const QRegularExpression form(QStringLiteral("^COM([0-9]+)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString RegistryProperty(HDEVINFO devices, SP_DEVINFO_DATA &device, DWORD property)
{
    wchar_t buffer[512] = {};
    if (!SetupDiGetDeviceRegistryPropertyW(devices, &device, property, nullptr, reinterpret_cast<BYTE *>(buffer),
                                           sizeof buffer - sizeof(wchar_t), nullptr))
        return {};
    return QString::fromWCharArray(buffer);  // a multi-string's first entry
}

QString PortName(HDEVINFO devices, SP_DEVINFO_DATA &device)
{
    const HKEY key = SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE)
        return {};
    wchar_t name[64] = {};
    DWORD size = sizeof name - sizeof(wchar_t);
    DWORD type = 0;
    const bool read = RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE *>(name), &size) == ERROR_SUCCESS
        && type == REG_SZ;
    RegCloseKey(key);
    return read ? QString::fromWCharArray(name) : QString();
}

// The adapter's USB ids from its hardware id: "USB\VID_1A86&PID_7523&REV_0254",
// "FTDIBUS\VID_0403+PID_6001+A50285BIA\0000".
void ReadUsbIds(const QString &hardwareId, SerialPortFacts &port)
{
    static const QRegularExpression ids(QStringLiteral("VID_([0-9A-F]{4})[&+]PID_([0-9A-F]{4})"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = ids.match(hardwareId);
    if (!match.hasMatch())
        return;
    port.vendorId = quint16(match.captured(1).toUShort(nullptr, 16));
    port.productId = quint16(match.captured(2).toUShort(nullptr, 16));
}

// The ports of the device class "Ports (COM & LPT)" that are present now.
QList<SerialPortFacts> SetupApiPorts()
{
    QList<SerialPortFacts> ports;
    const HDEVINFO devices = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE)
        return ports;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD k = 0; SetupDiEnumDeviceInfo(devices, k, &device); ++k) {
        SerialPortFacts port;
        port.device = PortName(devices, device);
        if (ComNumber(port.device) == 0)
            continue;  // a printer port
        port.description = RegistryProperty(devices, device, SPDRP_FRIENDLYNAME);
        if (port.description.isEmpty())
            port.description = RegistryProperty(devices, device, SPDRP_DEVICEDESC);
        port.manufacturer = RegistryProperty(devices, device, SPDRP_MFG);
        ReadUsbIds(RegistryProperty(devices, device, SPDRP_HARDWAREID), port);
        ports.append(port);
    }
    SetupDiDestroyDeviceInfoList(devices);
    return ports;
}

// Every COM name the system knows, with nothing more about it: where the
// device manager lists no ports (Wine, some virtual port drivers).
QList<SerialPortFacts> DosDevicePorts()
{
    std::vector<wchar_t> names(65536);
    const DWORD length = QueryDosDeviceW(nullptr, names.data(), DWORD(names.size()));
    QList<SerialPortFacts> ports;
    for (DWORD at = 0; at < length && names[at] != 0;) {
        const QString name = QString::fromWCharArray(&names[at]);
        if (ComNumber(name) > 0) {
            SerialPortFacts port;
            port.device = name.toUpper();
            ports.append(port);
        }
        at += DWORD(name.size()) + 1;
    }
    return ports;
}

}  // namespace

QList<SerialPortFacts> SystemSerialPorts()
{
    QList<SerialPortFacts> ports = SetupApiPorts();
    if (ports.isEmpty())
        ports = DosDevicePorts();
    std::sort(ports.begin(), ports.end(), [](const SerialPortFacts &a, const SerialPortFacts &b) {
        return ComNumber(a.device) < ComNumber(b.device);
    });
    return ports;
}
