#pragma once

#include "com_port_map.h"
#include "serial_port.h"

// The program's one serial connection and its COM choice. Selecting a COM
// option closes the port and opens it again on the chosen number.
class SerialLink
{
public:
    explicit SerialLink(ComPortMap map);

    // Closes the port, then opens option com (1..4). Returns an empty string
    // on success, otherwise a message for the user naming the device and the
    // reason, with a hint where one helps. The port stays closed then, named
    // by the option's device or, without one, by the option ("COM2"), and
    // another option can be selected at once.
    QString select(int com);
    void close();

    int commPort() const { return m_commPort; }
    SerialPort &port() { return m_port; }
    const ComPortMap &map() const { return m_map; }

private:
    ComPortMap m_map;
    SerialPort m_port;
    int m_commPort = 0;
};
