#pragma once

#include "serial_port_facts.h"

#include <QString>

// The kind of adapter behind a serial device as people know it from the box
// or the shop ("CH340/CH341", "PL2303"), told by its USB vendor and product
// ids; a ttyACM device with unknown ids is "CDC-ACM"; otherwise the system's
// description, which may be empty.
QString AdapterKind(const SerialPortFacts &port);

// "1a86:7523", or empty without USB ids.
QString UsbIds(const SerialPortFacts &port);
