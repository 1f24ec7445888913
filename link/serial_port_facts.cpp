#include "serial_port_facts.h"

#include <QSerialPortInfo>

QList<SerialPortFacts> SystemSerialPorts()
{
    QList<SerialPortFacts> ports;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        SerialPortFacts facts;
#ifdef Q_OS_WIN
        facts.device = info.portName();
#else
        facts.device = info.systemLocation();
#endif
        facts.description = info.description();
        facts.manufacturer = info.manufacturer();
        if (info.hasVendorIdentifier())
            facts.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            facts.productId = info.productIdentifier();
        ports.append(facts);
    }
    return ports;
}
