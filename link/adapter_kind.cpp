#include "adapter_kind.h"

namespace {

struct KnownAdapter
{
    quint16 vendorId;
    quint16 productId;
    const char *kind;
};

// The USB serial adapters sold for cables like the unit's.
constexpr KnownAdapter kKnownAdapters[] = {
    {0x1a86, 0x7523, "CH340/CH341"},
    {0x1a86, 0x5523, "CH340/CH341"},
    {0x067b, 0x2303, "PL2303"},
    {0x067b, 0x23a3, "PL2303"},
    {0x067b, 0x23b3, "PL2303"},
    {0x067b, 0x23c3, "PL2303"},
    {0x067b, 0x23d3, "PL2303"},
    {0x067b, 0x23e3, "PL2303"},
    {0x067b, 0x23f3, "PL2303"},
    {0x10c4, 0xea60, "CP210x"},
    {0x10c4, 0xea70, "CP210x"},
    {0x10c4, 0xea71, "CP210x"},
    {0x0403, 0x6001, "FTDI FT232"},
    {0x0403, 0x6010, "FTDI FT2232"},
    {0x0403, 0x6011, "FTDI FT4232"},
    {0x0403, 0x6014, "FTDI FT232H"},
    {0x0403, 0x6015, "FTDI FT-X"},
};

}  // namespace

QString AdapterKind(const SerialPortFacts &port)
{
    if (port.vendorId && port.productId) {
        for (const KnownAdapter &known : kKnownAdapters)
            if (known.vendorId == *port.vendorId && known.productId == *port.productId)
                return QLatin1String(known.kind);
    }
    if (port.device.contains(QLatin1String("ttyACM")))
        return QStringLiteral("CDC-ACM");
    return port.description;
}

QString UsbIds(const SerialPortFacts &port)
{
    if (!port.vendorId || !port.productId)
        return {};
    return QStringLiteral("%1:%2").arg(*port.vendorId, 4, 16, QLatin1Char('0')).arg(*port.productId, 4, 16, QLatin1Char('0'));
}
